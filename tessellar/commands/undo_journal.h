#pragma once
// The undo steps of one entry, written beside its work file after every
// change of them, so that the work of a customiser that was killed comes
// back with its steps: each line names a snapshot file of the work folder
// and the step's label. Only a help to recovery: a journal that cannot be
// written is removed, never a reason to refuse a command.

#include <string>
#include <string_view>
#include <vector>

namespace commands {

struct UndoRecord;

// An undo snapshot's file name: the prefix, a random part, the extension.
inline constexpr std::string_view kUndoSnapshotPrefix = "udo";
inline constexpr std::string_view kSnapshotExtension = ".tmp";

// The journal beside the work file ZZZ_NAME.tmp is ZZZ_NAME.steps.
inline constexpr const char* kUndoJournalExtension = ".steps";

struct JournalStep {
    std::string snapshotName;  // a file name inside the work folder, nothing more
    std::string label;
};

// The journal's text for an undo chain, oldest step first.
std::string UndoJournalText(const std::vector<UndoRecord>& chain);

// The steps a journal names, oldest first, back as far as an unbroken run
// of them reaches from the newest. The file comes from a folder another
// process left: a line that is not a step or a snapshot name that could
// reach outside the folder breaks the run, and a file larger than any
// journal gives no step.
std::vector<JournalStep> ReadUndoJournal(const std::string& path);

// Whether a snapshot name is one the undo histories make (udo….tmp).
bool IsUndoSnapshotName(const std::string& name);

}  // namespace commands
