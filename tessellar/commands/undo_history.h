#pragma once
// The undo and redo histories of one entry: each step keeps a snapshot of
// the entry's work file as it was before the step, in a file of its own
// with an unguessable name ("udo…" for undo, "rdo…" for redo), and the
// label the drop-down lists show ("No. N: " and the command label).

#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/commands/undo_journal.h"

namespace commands {

struct UndoRecord {
    int number = -1;           // the history's counter before the push
    std::string snapshotPath;  // the work file before the step
    std::string label;         // the command label
    std::string displayText;   // "No. N: LABEL", cut to 79 characters
    // A step that gave the entry a section renamed from this name (empty
    // for the others): it has no snapshot, and the document renames the
    // section back when it is undone.
    std::string renamedFrom;
};

class UndoHistory {
public:
    // snapshotDirectory: where the snapshot files are made.
    explicit UndoHistory(std::string snapshotDirectory);
    // Deletes every snapshot file of both chains.
    ~UndoHistory();
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // From now on the undo steps are written to `path` after every change
    // of them (see undo_journal.h); the file goes with the history.
    void KeepJournal(std::string path);
    // The steps another history journaled, their snapshots in `folder` (a
    // work folder left by a customiser that was killed), taken into this
    // empty history oldest first: the run of them back from the newest whose
    // snapshots are there and come over. Older steps are left out, since
    // undoing past a lost snapshot would not give back what the user had.
    // Returns how many came.
    std::size_t TakeOver(const std::string& folder, const std::vector<JournalStep>& steps);

    // Before a command or hand edit (isRedo false: the redo history goes)
    // or a redo step: snapshots the work file under the label. False after
    // "Problem creating the tmpfile", when nothing is recorded.
    bool RecordUndoPoint(const std::string& workFile, const std::string& label, bool isRedo,
                         platform::MessageSink& sink);
    // The same for a command, the snapshot being a second name for the work
    // file's bytes instead of a copy: for a work file that is from now on
    // only replaced whole, never written in place. Copies when the file
    // system has no second names. The redo history stays: the caller
    // discards it once the command's work file is written, so a command
    // that fails takes no redo step away.
    bool RecordUndoPointByName(const std::string& workFile, const std::string& label, platform::MessageSink& sink);
    // The step of a section renamed to the entry's name from `oldName`
    // (the redo history goes, as for a command).
    void RecordSectionRename(const std::string& label, const std::string& oldName);
    // The steps an Undo or Redo would take next; null when there is none.
    const UndoRecord* NewestUndo() const { return undo_.empty() ? nullptr : &undo_.back(); }
    const UndoRecord* NewestRedo() const { return redo_.empty() ? nullptr : &redo_.back(); }
    // A command whose work file could not be written: its undo point goes,
    // snapshot and all (the work file is as the snapshot holds it).
    void DropNewestUndoPoint();
    // One step back or forward on the work file; false when there was none
    // or the other direction's snapshot could not be made, and then the
    // work file and both histories are as they were.
    bool UndoStep(const std::string& workFile, platform::MessageSink& sink);
    bool RedoStep(const std::string& workFile, platform::MessageSink& sink);

    int UndoCount() const { return static_cast<int>(undo_.size()); }
    int RedoCount() const { return static_cast<int>(redo_.size()); }
    // The drop-down lists: display texts, newest first.
    std::vector<std::string> UndoLabels() const;
    std::vector<std::string> RedoLabels() const;

    // The step counts chosen in the drop-downs (0: a plain click, one step).
    int ChosenUndoCount() const { return chosenUndo_; }
    int ChosenRedoCount() const { return chosenRedo_; }
    void ChooseUndoCount(int count) { chosenUndo_ = count < 0 ? 0 : count; }
    void ChooseRedoCount(int count) { chosenRedo_ = count < 0 ? 0 : count; }

    // When the entry becomes current: the redo history goes, counts reset.
    void Refresh();
    void DiscardRedo();
    // Every snapshot deleted, both chains emptied.
    void Clear();

private:
    // One undo or redo step: the newest record of `from` is put back as the
    // work file, and the work file as it was goes to `to` under the same label.
    bool Swap(std::vector<UndoRecord>& from, std::vector<UndoRecord>& to, std::string_view prefix,
              const std::string& workFile, platform::MessageSink& sink);
    void AddRecord(std::vector<UndoRecord>& chain, std::string snapshotPath, const std::string& label,
                   std::string renamedFrom = {});
    bool Push(std::vector<UndoRecord>& chain, std::string_view prefix, const std::string& workFile,
              const std::string& label, platform::MessageSink& sink);

    // Writes the undo chain to the journal, or removes it when that fails.
    void Journal() const;

    std::string directory_;
    std::string journal_;
    std::vector<UndoRecord> undo_;  // oldest first
    std::vector<UndoRecord> redo_;
    int chosenUndo_ = 0;
    int chosenRedo_ = 0;
};

// "No. N: LABEL" cut to 79 characters.
std::string UndoDisplayText(int number, const std::string& label);

}  // namespace commands
