#pragma once
// Saving an open override file: every section's work file goes through the
// save-time filter, the working copy PATH.bck is rebuilt from the results
// (header line, then one section per entry with kept blocks, in list
// order), and the rebuilt text replaces PATH.scf. The user's file is never
// written in place: the new text goes into a file beside it, is flushed,
// and is renamed over it in one step, so a failure anywhere leaves the old
// file whole.

#include <map>
#include <optional>
#include <string>

#include "platform/file_replace.h"
#include "platform/message_sink.h"
#include "tessellar/overrides/file_stamp.h"
#include "tessellar/overrides/section_list.h"

namespace overrides {

// Each work file's part of the saved file (its kept blocks, one tab in,
// or empty when none is kept), as the last save found it. Whoever changes a
// work file forgets its text, so that a save reads again only those.
class SavedSectionTexts {
public:
    const std::string* Find(const std::string& workFilePath) const;
    void Forget(const std::string& workFilePath) { texts_.erase(workFilePath); }
    void Clear() { texts_.clear(); }
    void Keep(const std::string& workFilePath, std::string text) { texts_[workFilePath] = std::move(text); }
    // Takes the other's texts, in place of any it held for the same files.
    void Absorb(SavedSectionTexts&& other);

private:
    std::map<std::string, std::string> texts_;
};

// "screen NAME" (or "menu", "procedure") of the first section whose work
// file is missing (and not held in `known`); nothing when all are there.
std::optional<std::string> MissingWorkFile(const SectionList& sections, const SavedSectionTexts* known = nullptr);

// The text of the saved override file built from the sections' work files.
// A work file missing or unreadable sets readFailed (its section is left
// out, so the text must not be saved).
// With `known`, work files it holds are not read again; with `read`, every
// work file's part is put there.
std::string BuildOverrideText(const SectionList& sections, platform::IoFaults& faults, bool& readFailed,
                              const SavedSectionTexts* known = nullptr, SavedSectionTexts* read = nullptr);

// Rebuilds the working copy and replaces the override file with it. A
// section whose work file is missing or unreadable saves nothing: "%s could
// not be saved: the work file of %s is missing or cannot be read; the file
// is unchanged." Another failure shows "could not open back up for tessellar file --%s" (working
// copy) or "could not open screen customiser file --%s" (override file)
// and returns false; the override file is then as it was.
bool SaveOverrideFile(const SectionList& sections, const std::string& workingCopyPath,
                      const std::string& overrideFilePath, platform::MessageSink& sink, platform::IoFaults& faults);
bool SaveOverrideFile(const SectionList& sections, const std::string& workingCopyPath,
                      const std::string& overrideFilePath, platform::MessageSink& sink);
// The same, reading only the work files `saved` does not hold; after a
// successful save `saved` holds those too, and `written` (when given) the
// stamp of the file as saved.
bool SaveOverrideFile(const SectionList& sections, const std::string& workingCopyPath,
                      const std::string& overrideFilePath, platform::MessageSink& sink, platform::IoFaults& faults,
                      SavedSectionTexts& saved, FileStamp* written = nullptr);

}  // namespace overrides
