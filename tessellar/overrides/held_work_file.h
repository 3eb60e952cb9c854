#pragma once
// A section work file held in memory for the length of one user action: the
// block updates, removals and appends of all its commands work on the held
// text, and the result replaces the work file once at the end. So a command
// of several key lines (a move that also moves a trigger, a property sheet's
// OK) reads and writes its work file once, whatever it changes, and the
// commands of a group action find their blocks through one block index
// instead of each passing the whole text.
//
// One work file is held at a time, on the thread that holds it; the block
// functions of block_update.h find it by its path.

#include <memory>
#include <optional>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/overrides/block_index.h"

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
    const std::string* Text() { return text_ ? &WholeText() : nullptr; }
    // Replaces the work file with the held text when it changed, in one
    // step; "open failed on tmp file" and false when it cannot be written.
    bool Write(platform::MessageSink& sink);

    // The held work file of a path, or null when it is not held.
    static HeldWorkFile* Of(const std::string& path);
    // The held text of a work file, or null when it is not held. Whoever
    // changes it directly is trusted to: the block index is given up first.
    static std::string* Find(const std::string& path);

    // The index of the held text's blocks, made on first use; null when
    // the text cannot be indexed, or when an earlier change of this action
    // was one the index could not take (the rest of the action then works
    // on the whole text, as a single command does).
    BlockIndex* Blocks();
    // The whole text, put together from the block index, which is given up.
    std::string& WholeText();
    // After the index refused a change: the whole text takes it, and every
    // later one.
    std::string& GiveUpBlocks();

private:
    std::string path_;
    std::optional<std::string> text_;  // stale while the index holds the text
    std::unique_ptr<BlockIndex> blocks_;
    bool blocksRefused_ = false;
    std::string original_;
    HeldWorkFile* previous_ = nullptr;
};

}  // namespace overrides
