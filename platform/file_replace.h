#pragma once
// Replacing a file that holds a user's work, in the way QSaveFile does: the
// new text goes into a uniquely named file beside it, which takes the old
// file's permissions, is written, flushed and synced to the disk, and is then
// renamed over the old file in one step. Any failure discards the new file
// and leaves the old one as it was, so at every moment the path holds either
// the whole old text or the whole new one. A path that is a link (or a chain
// of them) keeps its link: the file it leads to is the one replaced.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Counts the I/O steps of a replacement (or of a save made of several) and
// makes one of them fail, so that tests can check the user's file after a
// failure at every step.
class IoFaults {
public:
    IoFaults() = default;
    explicit IoFaults(std::size_t failingStep) : failingStep_(failingStep) {}
    // Whether the next step may go ahead.
    bool Step() { return ++steps_ != failingStep_; }
    std::size_t Steps() const { return steps_; }

private:
    std::size_t failingStep_ = 0;  // 0: none fails
    std::size_t steps_ = 0;
};

bool ReplaceFile(const std::string& path, std::string_view text, IoFaults& faults);
bool ReplaceFile(const std::string& path, std::string_view text);

// Writes a file in place (created or truncated, never through a link), for a
// file that is only ever a copy of what is saved elsewhere (the working copy
// beside an override file, rebuilt at every save): neither a crash nor a
// failure half way can cost it anything the user keeps, and it spares the
// file system a new file at every save. False when any write fails.
bool WriteCopyInPlace(const std::string& path, std::string_view text, IoFaults& faults);

// The same for a scratch file of this process's own (a section work file,
// deleted when the program closes): replaced in one rename, so it is never
// seen half written, but not synced to the disk, which a crash would make
// pointless and which costs more than the rest of a command. Its steps count
// against the faults a ScratchFaultScope puts in force (scratch_faults.h).
// Every failure leaves errno saying why.
bool ReplaceScratchFile(const std::string& path, std::string_view text);

// Puts the file `from` in the place of `to`: by a rename when it can, else by
// replacing `to` with `from`'s bytes as above and removing `from`. False, with
// `to` as it was, when neither works. Meant for the work folder's files: its
// rename counts against the faults in force (scratch_faults.h).
bool MoveFileOver(const std::string& from, const std::string& to);

// Removes a file; true when no file is left at the path (a missing file
// counts as removed).
bool RemoveFile(const std::string& path);

}  // namespace platform
