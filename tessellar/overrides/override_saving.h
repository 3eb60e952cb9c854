#pragma once
// Saving an open override file: every section's work file goes through the
// save-time filter, the working copy PATH.bck is rebuilt from the results
// (header line, then one section per entry with kept blocks, in list
// order), and the rebuilt text replaces PATH.scf. The user's file is never
// written in place: the new text goes into a file beside it, is flushed,
// and is renamed over it in one step, so a failure anywhere leaves the old
// file whole.

#include <cstddef>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/overrides/section_list.h"

namespace overrides {

// Counts the I/O steps of a save and makes one of them fail, so that tests
// can check the user's file after a failure at every step.
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

// The text of the saved override file built from the sections' work files.
std::string BuildOverrideText(const SectionList& sections, IoFaults& faults, bool& readFailed);

// Rebuilds the working copy and replaces the override file with it. A
// failure shows "could not open back up for tessellar file --%s" (working
// copy) or "could not open screen customiser file --%s" (override file)
// and returns false; the override file is then as it was.
bool SaveOverrideFile(const SectionList& sections, const std::string& workingCopyPath,
                      const std::string& overrideFilePath, platform::MessageSink& sink, IoFaults& faults);
bool SaveOverrideFile(const SectionList& sections, const std::string& workingCopyPath,
                      const std::string& overrideFilePath, platform::MessageSink& sink);

// Writes text to a file beside `path` and renames it over `path`; false
// (and no change to `path`) on any failure.
bool ReplaceFileAtomically(const std::string& path, const std::string& text, IoFaults& faults);

}  // namespace overrides
