#pragma once
// A section work file held in memory for the length of one user action: the
// block updates, removals and appends of all its commands work on the held
// text, and the result replaces the work file once at the end. So a command
// of several key lines (a move that also moves a trigger, a property sheet's
// OK) reads and writes its work file once, whatever it changes.
//
// One work file is held at a time, on the thread that holds it; the block
// functions of block_update.h find it by its path.

#include <optional>
#include <string>

#include "platform/message_sink.h"

namespace overrides {

class HeldWorkFile {
public:
    // Reads the work file; one that is missing or unreadable is not held,
    // and the block functions then work on the file as before.
    explicit HeldWorkFile(std::string path);
    // Forgets the held text; Write first to keep it.
    ~HeldWorkFile();
    HeldWorkFile(const HeldWorkFile&) = delete;
    HeldWorkFile& operator=(const HeldWorkFile&) = delete;

    bool Held() const { return text_.has_value(); }
    // The text as the commands left it; null when not held.
    const std::string* Text() const { return text_ ? &*text_ : nullptr; }
    // Replaces the work file with the held text when it changed, in one
    // step; "open failed on tmp file" and false when it cannot be written.
    bool Write(platform::MessageSink& sink);

    // The held text of a work file, or null when it is not held.
    static std::string* Find(const std::string& path);

private:
    std::string path_;
    std::optional<std::string> text_;
    std::string original_;
    HeldWorkFile* previous_ = nullptr;
};

}  // namespace overrides
