#pragma once
// An open program and its override file, as the customiser holds them while
// a user works: the program image, the override file's working copy and
// section work files, each entry's undo and redo histories, the modified
// flag and the current entry. The window and the command-line customiser
// each own one; the browser pages that list the program's entries own the
// screen models.
//
// Everything a user does to an entry goes through Run: the command's check
// (its refusal reaches the sink as a message), the entry's work file made
// when it has none, the undo point, the command's statements, the section
// registered, and the entry rebuilt from the compiled program with its work
// file applied, so the items always show what the work file says.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/edit_lock.h"
#include "platform/message_sink.h"
#include "platform/temp_directory.h"
#include "tessellar/commands/command.h"
#include "tessellar/commands/command_batch.h"
#include "tessellar/commands/undo_history.h"
#include "tessellar/document/entry_opening.h"
#include "tessellar/document/entry_rebuild.h"
#include "tessellar/document/override_location.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/overrides/override_saving.h"
#include "tessellar/overrides/override_workspace.h"
#include "tessellar/program/image/program_image.h"

namespace document {

// What Edit screen file did.
enum class EditResult {
    NoWorkFile,  // "There is no existing scf file and no changes on current screen." was shown
    Unchanged,   // the editor left the copy as it was
    Applied,     // the edited copy is the work file now, with an undo point before it
    Failed,      // the copy or the undo point could not be made
};

class Document {
public:
    // temporaryRoot: where the section work files go ("TEMP", else "TMPDIR", else /tmp).
    explicit Document(std::string temporaryRoot = platform::TempDirectory());
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // --- Program and override file ---------------------------------------

    // Loads a compiled program in place of the open one; the loader's
    // messages reach the sink. On failure the document holds no program.
    bool LoadProgram(const std::string& path, platform::MessageSink& sink);
    // Opens an override file: the working copy and one work file per
    // section (a file opened before is closed first, histories cleared).
    // A file opened read-only says so, with the system's reason; a file
    // that is not an override file leaves the document without one (the
    // caller says so: it knows whether that ends the run).
    // While it is open for editing, a lock file beside it names this
    // customiser; one another customiser holds asks `openAnyway` (the
    // question's text) and, without a yes, opens the file read-only.
    using OpenAnyway = std::function<bool(const std::string& question)>;
    overrides::OpenResult OpenOverrideFile(const std::string& path, platform::MessageSink& sink,
                                           const OpenAnyway& openAnyway = {});
    // The menu command: without a program, "Please open a ORVALE program …"
    // and false. Otherwise saves the current file first (a failed save
    // stops here, so no change is lost), then opens PATH with its extension
    // made ".scf". Callers rebuild their entries afterwards (ReloadEntry).
    bool OpenAnotherOverrideFile(const std::string& path, platform::MessageSink& sink);
    // With a question set, opening an override file for editing looks for
    // the work folders of customisers that were killed (their process gone
    // on this host): one of this override file asks "Changes to NAME that
    // were never saved were found (DATE)." and, answered yes, its sections'
    // work files become the document's (changes pending); answered no, it
    // is removed. Those of other files go once they are a week old.
    using RecoverQuestion = std::function<bool(const std::string& question)>;
    void SetRecovery(RecoverQuestion ask) { recover_ = std::move(ask); }
    // Closes the override file (work files, snapshots and working copy
    // deleted) and releases the program. Views must drop their models
    // first; a window offers Save as before when Modified().
    void Close(platform::MessageSink& sink);

    bool HasProgram() const { return image_.has_value(); }
    const program::ProgramImage* Image() const { return image_ ? &*image_ : nullptr; }
    const std::string& ProgramPath() const { return programPath_; }
    const std::string& OverridePath() const { return workspace_.OverridePath(); }
    // Opened without a working copy: commands, the hand edit and Save are
    // refused with a message that offers Save As.
    bool ReadOnly() const { return workspace_.ReadOnly(); }
    // Save has no file to write to: the caller asks for a path (Save As).
    bool NeedsSaveAs() const { return OverridePath().empty() || ReadOnly(); }

    overrides::OverrideWorkspace& Workspace() { return workspace_; }
    const overrides::OverrideWorkspace& Workspace() const { return workspace_; }

    const EntryInputs& Inputs() const { return inputs_; }
    void SetInputs(EntryInputs inputs) {
        inputs_ = std::move(inputs);
        rebuilds_.clear();
    }

    // --- Entries -----------------------------------------------------------

    // Opens an entry for showing and editing: decodes it on first use, gives
    // it its section work file and applies that section.
    void OpenEntry(model::CScreenModel& model, platform::MessageSink& sink);
    // Whether the messages applying shows ("Could not override this
    // message …") reach the sink; off, the Problems panel alone tells them.
    void SetApplyingMessagesShown(bool shown) { applyingMessagesShown_ = shown; }
    bool ApplyingMessagesShown() const { return applyingMessagesShown_; }
    // Discards the entry's items, decodes it again and applies its work file
    // (after another override file, or new colours or font).
    void ReloadEntry(model::CScreenModel& model, platform::MessageSink& sink);
    // The entry selected in the browser: its redo history goes and the
    // chosen step counts go back to 0 (Refresh label lists).
    void SetCurrentEntry(model::CScreenModel& model);
    model::CScreenModel* CurrentEntry() const { return current_; }
    // The models of an entry are being destroyed: its histories go.
    void ForgetEntry(const model::CScreenModel& model);

    // Gives the entry its work file, creating ZZZ_NAME.tmp empty when the
    // entry has none; "open failed on tmp file" and false when it cannot.
    bool EnsureWorkFile(model::CScreenModel& model, platform::MessageSink& sink);
    // Adds the entry's section to the section list (in order of first
    // change) when the list has none of that name and kind.
    void RegisterSection(const model::CScreenModel& model);

    // --- Commands, undo and redo --------------------------------------------

    // Runs a command on the entry (see the top of this file). Returns false
    // for a refusal, a work file or snapshot that could not be made, or
    // statements that could not be written; a work file that cannot be
    // read or written refuses the command with the reason, and it then
    // changes nothing and leaves no undo step.
    bool Run(model::CScreenModel& model, commands::Command& command, platform::MessageSink& sink);
    // The commands of one user action: all are checked first, only the
    // first records the undo point.
    bool Run(model::CScreenModel& model, const commands::CommandBatch& batch, platform::MessageSink& sink);

    // The Undo and Redo commands: the chosen number of steps (0: one), the
    // entry rebuilt, the chosen count back to 0. False when nothing was done.
    bool Undo(model::CScreenModel& model, platform::MessageSink& sink);
    bool Redo(model::CScreenModel& model, platform::MessageSink& sink);
    // A section the program's renamed entry left under its old name becomes
    // the entry's, renamed where it stands in the file, as one undo step of
    // the entry labelled LABEL. False, with nothing changed, when there is
    // no such section, the entry has a section that holds statements, or the
    // work file cannot be moved.
    bool RenameSection(model::CScreenModel& entry, const std::string& oldName, const std::string& label,
                       platform::MessageSink& sink);
    // Enabled exactly when the history holds a step.
    bool CanUndo(const model::CScreenModel& model) const;
    bool CanRedo(const model::CScreenModel& model) const;
    // What the drop-downs list, newest first ("No. N: LABEL").
    std::vector<std::string> UndoLabels(const model::CScreenModel& model) const;
    std::vector<std::string> RedoLabels(const model::CScreenModel& model) const;
    // A drop-down choice of k items: the next Undo or Redo does k steps.
    void ChooseUndoCount(const model::CScreenModel& model, int count);
    void ChooseRedoCount(const model::CScreenModel& model, int count);
    commands::UndoHistory& History(const model::CScreenModel& model);

    // The hand edit: copies the work file to ZZZ_NAME.txt, calls
    // waitForEditor(copy) until the user's editor is done with it, and when
    // the copy changed records the undo point "Edit screen file", makes the
    // copy the work file and rebuilds the entry.
    EditResult EditScreenFile(model::CScreenModel& model,
                              const std::function<void(const std::string& copyPath)>& waitForEditor,
                              platform::MessageSink& sink);

    // --- Saving ---------------------------------------------------------------

    // Whether statements changed since the last save.
    bool Modified() const { return modified_; }
    // Saves to the override file path; without one (never given) false
    // with nothing shown: the caller then asks for a path and calls SaveAs.
    // On a failure the message is shown, the old file stays whole and the
    // document stays modified.
    bool Save(platform::MessageSink& sink);
    bool Save(platform::MessageSink& sink, platform::IoFaults& faults);
    // Saves to PATH with its extension made ".scf", which becomes the
    // document's override file. A PATH that holds something other than an
    // override file is refused and left alone.
    bool SaveAs(const std::string& path, platform::MessageSink& sink);
    // Whether the override file holds other bytes than when it was opened
    // (or last saved): another program changed it. Reads the whole file.
    bool ChangedByAnotherProgram() const;
    // A quick look that reads nothing: its size or time moved.
    bool MayHaveChangedOnDisk() const;
    // For a window made active again: another program changed the file
    // since it was opened, saved, or last kept (the quick look first, then
    // the bytes).
    bool NewChangeOnDisk() const;
    // The user keeps this version: the change on disk is not offered again
    // until the file changes once more (the next save still asks).
    void KeepOwnVersion();
    // Off (the default), Save refuses a file another program changed with
    // "NAME was changed by another program since you opened it."; on, it
    // writes over that change (scfedit --force, the window's Overwrite).
    void SetOverwriteChangesOnDisk(bool overwrite) { overwriteChanges_ = overwrite; }
    // Each section's part of the last save, for the work files unchanged since.
    const overrides::SavedSectionTexts& SavedTexts() const { return savedTexts_; }

private:
    using EntryId = std::pair<int, std::string>;
    static EntryId IdOf(const model::CScreenModel& model);
    const commands::UndoHistory* FindHistory(const model::CScreenModel& model) const;
    commands::UndoHistory& History(const EntryId& entry);
    // After undo or redo steps: the entry brought up to date, the document modified.
    void AfterSteps(model::CScreenModel& model, bool renamed, platform::MessageSink& sink);
    // The section `from` of the kind named `to`, its work file moved along.
    bool MoveSection(overrides::SectionKind kind, const std::string& from, const std::string& to,
                     platform::MessageSink& sink);
    // Brings the entry up to date after its own section changed, without
    // decoding it again; only messages its previous apply did not give are
    // shown.
    void ReloadAfterChange(model::CScreenModel& model, platform::MessageSink& sink);
    std::string SnapshotDirectory();
    void ClearHistories();
    // Where the work files are, or would be.
    std::string WorkFolder() const;
    // The recovery offer at opening (see SetRecovery).
    void OfferRecovery(const std::string& path, platform::MessageSink& sink);
    bool Recover(const std::string& folder, platform::MessageSink& sink);
    // Shows the read-only refusal; true when the document is read-only.
    bool RefusedAsReadOnly(platform::MessageSink& sink) const;
    // Shows that PATH is not an override file; true when it is not.
    static bool RefusedAsForeign(const std::string& path, platform::MessageSink& sink);

    overrides::OverrideWorkspace workspace_;
    platform::EditLock lock_;
    RecoverQuestion recover_;
    std::optional<program::ProgramImage> image_;
    std::string programPath_;
    EntryInputs inputs_;
    std::map<EntryId, std::unique_ptr<commands::UndoHistory>> histories_;
    std::map<EntryId, std::vector<std::string>> appliedMessages_;  // what each entry's last apply showed
    std::map<EntryId, EntryRebuild> rebuilds_;  // valid for image_ and inputs_ as they are
    overrides::SavedSectionTexts savedTexts_;
    model::CScreenModel* current_ = nullptr;
    bool modified_ = false;
    bool overwriteChanges_ = false;
    std::optional<overrides::FileStamp> kept_;  // the file on disk the user chose not to reload
    bool applyingMessagesShown_ = true;
};

}  // namespace document
