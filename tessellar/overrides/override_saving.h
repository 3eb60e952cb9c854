#pragma once
// Saving an open override file: every section's work file goes through the
// save-time filter, the working copy PATH.bck is rebuilt from the results
// (header line, then one section per entry with kept blocks, in list
// order), and the rebuilt text replaces PATH.scf. The user's file is never
// written in place: the new text goes into a file beside it, is flushed,
// and is renamed over it in one step, so a failure anywhere leaves the old
// file whole.

#include <string>

#include "platform/file_replace.h"
#include "platform/message_sink.h"
#include "tessellar/overrides/section_list.h"

namespace overrides {

// The text of the saved override file built from the sections' work files.
std::string BuildOverrideText(const SectionList& sections, platform::IoFaults& faults, bool& readFailed);

// Rebuilds the working copy and replaces the override file with it. A
// failure shows "could not open back up for tessellar file --%s" (working
// copy) or "could not open screen customiser file --%s" (override file)
// and returns false; the override file is then as it was.
bool SaveOverrideFile(const SectionList& sections, const std::string& workingCopyPath,
                      const std::string& overrideFilePath, platform::MessageSink& sink, platform::IoFaults& faults);
bool SaveOverrideFile(const SectionList& sections, const std::string& workingCopyPath,
                      const std::string& overrideFilePath, platform::MessageSink& sink);

}  // namespace overrides
