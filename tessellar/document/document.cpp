#include "tessellar/document/document.h"

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "tessellar/commands/command_texts.h"
#include "tessellar/commands/undo_journal.h"
#include "tessellar/document/document_texts.h"
#include "tessellar/document/new_messages_sink.h"
#include "tessellar/overrides/apply_section.h"
#include "tessellar/overrides/block_update.h"
#include "tessellar/overrides/held_work_file.h"
#include "tessellar/overrides/line_reader.h"
#include "tessellar/overrides/override_file_check.h"
#include "tessellar/overrides/override_texts.h"
#include "tessellar/program/directory_damage.h"
#include "tessellar/program/image/program_loader.h"
#include "platform/file_replace.h"
#include "platform/message_format.h"
#include "platform/local_time.h"
#include "platform/scratch_faults.h"
#include "tessellar/overrides/work_folder_recovery.h"

namespace document {

namespace {

overrides::SectionKind SectionKindOf(const model::CScreenModel& model) {
    return static_cast<overrides::SectionKind>(model.Kind());
}

// The copy handed to the editor, written whole and checked.
bool CopyFile(const std::string& from, const std::string& to) {
    const std::optional<std::string> text = overrides::ReadOverrideText(from);
    return text && platform::ReplaceScratchFile(to, *text);
}

}  // namespace

Document::Document(std::string temporaryRoot) : workspace_(std::move(temporaryRoot)) {}

// Histories go before the workspace, whose directory holds their snapshots.
Document::~Document() { ClearHistories(); }

bool Document::LoadProgram(const std::string& path, platform::MessageSink& sink) {
    ClearHistories();
    rebuilds_.clear();
    image_ = program::LoadProgram(path, sink);
    programPath_ = image_ ? path : std::string();
    if (!image_) return false;
    if (const std::optional<std::string> damage = program::DescribeDirectoryDamage(*image_)) {
        sink.ShowMessage(platform::FormatText(texts::kDamagedProgram, path.c_str(), damage->c_str()));
    }
    return true;
}

namespace {

std::string HolderText(const platform::LockHolder& holder) {
    return platform::FormatText(texts::kHolder, holder.user.c_str(), holder.host.c_str(), holder.process,
                                holder.since.c_str());
}

}  // namespace

overrides::OpenResult Document::OpenOverrideFile(const std::string& path, platform::MessageSink& sink,
                                                 const OpenAnyway& openAnyway) {
    ClearHistories();
    savedTexts_.Clear();
    modified_ = false;
    kept_.reset();
    lock_.Release();
    workspace_.WorkFiles().SetOwner(overrides::WorkFolderOwnerText(programPath_, path));
    overrides::OpenResult result = workspace_.Open(path, sink);
    const bool editable = result == overrides::OpenResult::Opened || result == overrides::OpenResult::NoOverrideFile;
    if (editable && lock_.Take(path) == platform::LockResult::HeldByOther) {
        const std::string holder = HolderText(lock_.Holder());
        if (openAnyway && openAnyway(platform::FormatText(texts::kOpenAnywayQuestion, path.c_str(), holder.c_str()))) {
            lock_.Take(path, true);
        } else {
            workspace_.HoldReadOnlyFor(holder);
            sink.ShowMessage(platform::FormatText(texts::kHeldReadOnly, path.c_str(), holder.c_str()));
            result = overrides::OpenResult::ReadOnly;
        }
    }
    if (result == overrides::OpenResult::Opened || result == overrides::OpenResult::NoOverrideFile) {
        OfferRecovery(path, sink);
    }
    if (result != overrides::OpenResult::ReadOnly || !workspace_.HeldBy().empty()) return result;
    if (!workspace_.WorkFilesProblem().empty()) {
        sink.ShowMessage(platform::FormatText(texts::kWorkFilesFailed, path.c_str(), WorkFolder().c_str(),
                                              workspace_.WorkFilesProblem().c_str()));
    } else {
        sink.ShowMessage(platform::FormatText(texts::kWorkingCopyFailed, overrides::WorkingCopyPathFor(path).c_str(),
                                              workspace_.WorkingCopyProblem().c_str(), path.c_str()));
    }
    return result;
}

void Document::OfferRecovery(const std::string& path, platform::MessageSink& sink) {
    if (!recover_) return;
    const std::time_t now = std::time(nullptr);
    for (const overrides::AbandonedWorkFolder& folder :
         overrides::FindAbandonedWorkFolders(workspace_.WorkFiles().Root())) {
        std::error_code error;
        const bool ours = folder.owner.overrideFile == path || std::filesystem::equivalent(folder.owner.overrideFile,
                                                                                             path, error);
        if (!ours) {
            if (now - folder.owner.made > overrides::kAbandonedFolderLife) overrides::RemoveWorkFolder(folder.path);
            continue;
        }
        std::string when = platform::AscTime(folder.owner.made);
        while (!when.empty() && (when.back() == '\n' || when.back() == ' ')) when.pop_back();
        const std::string name = std::filesystem::path(path).filename().string();
        if (recover_(platform::FormatText(texts::kUnsavedChangesFound, name.c_str(), when.c_str()))) {
            if (!Recover(folder.path, sink)) continue;  // kept for another try
        }
        overrides::RemoveWorkFolder(folder.path);
    }
}

bool Document::Recover(const std::string& folder, platform::MessageSink& sink) {
    for (const overrides::LeftSection& left : overrides::SectionsLeftIn(folder)) {
        const std::optional<std::string> text = overrides::ReadOverrideText(left.path);
        const std::string path = workspace_.WorkFiles().FilePath(left.name, static_cast<int>(left.kind),
                                                                 overrides::texts::kWorkFileExtension);
        if (!text || path.empty() || !platform::ReplaceScratchFile(path, *text)) {
            const std::string reason = platform::SystemReason();
            sink.ShowMessage(platform::FormatText(texts::kWorkFileNotWritten, path.empty() ? folder.c_str() : path.c_str(),
                                                  reason.c_str()));
            return false;
        }
        workspace_.Sections().FindOrAdd(left.name, left.kind).workFilePath = path;
        const std::string journal =
            (std::filesystem::path(folder) /
             overrides::WorkFileName(left.name, static_cast<int>(left.kind), commands::kUndoJournalExtension))
                .string();
        History(EntryId{static_cast<int>(left.kind), left.name}).TakeOver(folder, commands::ReadUndoJournal(journal));
    }
    savedTexts_.Clear();
    modified_ = true;
    return true;
}

bool Document::OpenAnotherOverrideFile(const std::string& path, platform::MessageSink& sink) {
    if (!HasProgram()) {
        sink.ShowMessage(texts::kOpenProgramFirst);
        return false;
    }
    // A read-only file holds no changes to save.
    if (!workspace_.OverridePath().empty() && !workspace_.ReadOnly() && !Save(sink)) return false;
    OpenOverrideFile(WithOverrideExtension(path), sink);
    return true;
}

void Document::Close(platform::MessageSink& sink) {
    ClearHistories();
    rebuilds_.clear();
    savedTexts_.Clear();
    workspace_.Close(sink);
    lock_.Release();
    image_.reset();
    programPath_.clear();
    modified_ = false;
}

void Document::OpenEntry(model::CScreenModel& model, platform::MessageSink& sink) {
    workspace_.AttachWorkFile(model);
    NewMessagesSink recorded(sink, {});
    PrepareEntry(model, inputs_, recorded);
    platform::RecordingMessageSink panelOnly;
    overrides::ApplySection(model, applyingMessagesShown_ ? static_cast<platform::MessageSink&>(recorded) : panelOnly);
    appliedMessages_[IdOf(model)] = std::move(recorded).Shown();
}

void Document::ReloadEntry(model::CScreenModel& model, platform::MessageSink& sink) {
    // A data grid scrolled to edit its far columns stays scrolled.
    const int gridScroll = model.ReviewArea() != nullptr ? model.ReviewArea()->scrollColumn : 0;
    rebuilds_.erase(IdOf(model));
    model.DestroyItems();
    model.SetNeedsDecoding(true);
    OpenEntry(model, sink);
    if (model.ReviewArea() != nullptr) model.ReviewArea()->scrollColumn = gridScroll;
}

void Document::ReloadAfterChange(model::CScreenModel& model, platform::MessageSink& sink) {
    const auto earlier = appliedMessages_.find(IdOf(model));
    NewMessagesSink fresh(sink, earlier != appliedMessages_.end() ? earlier->second : std::vector<std::string>{});
    platform::RecordingMessageSink panelOnly;
    // A data grid scrolled to edit its far columns stays scrolled.
    const int gridScroll = model.ReviewArea() != nullptr ? model.ReviewArea()->scrollColumn : 0;
    workspace_.AttachWorkFile(model);
    rebuilds_[IdOf(model)].Rebuild(model, inputs_, fresh,
                                   applyingMessagesShown_ ? static_cast<platform::MessageSink&>(fresh) : panelOnly);
    appliedMessages_[IdOf(model)] = std::move(fresh).Shown();
    if (model.ReviewArea() != nullptr) model.ReviewArea()->scrollColumn = gridScroll;
}

void Document::SetCurrentEntry(model::CScreenModel& model) {
    current_ = &model;
    if (histories_.count(IdOf(model)) != 0) History(model).Refresh();
}

void Document::ForgetEntry(const model::CScreenModel& model) {
    histories_.erase(IdOf(model));
    appliedMessages_.erase(IdOf(model));
    rebuilds_.erase(IdOf(model));
    if (current_ == &model) current_ = nullptr;
}

bool Document::EnsureWorkFile(model::CScreenModel& model, platform::MessageSink& sink) {
    if (model.OverridePath().empty()) workspace_.AttachWorkFile(model);
    if (!model.OverridePath().empty()) return true;
    const std::string path = workspace_.WorkFiles().FilePath(model.Name(), static_cast<int>(model.Kind()),
                                                             overrides::texts::kWorkFileExtension);
    if (path.empty() || !platform::ReplaceScratchFile(path, {})) {
        const std::string reason = platform::SystemReason();
        sink.WriteOutput(overrides::texts::kOpenFailedOnTmpFile);
        const std::string shown = path.empty() ? WorkFolder() : path;
        sink.ShowMessage(platform::FormatText(texts::kWorkFileNotWritten, shown.c_str(), reason.c_str()));
        return false;
    }
    model.SetOverridePath(path);
    return true;
}

void Document::RegisterSection(const model::CScreenModel& model) {
    if (model.OverridePath().empty()) return;
    workspace_.Sections().Register(model.Name(), model.OverridePath(), SectionKindOf(model));
}

bool Document::Run(model::CScreenModel& model, commands::Command& command, platform::MessageSink& sink) {
    commands::CommandBatch batch;
    // The batch holds commands it owns; this one stays the caller's.
    struct Borrowed : commands::Command {
        explicit Borrowed(commands::Command& command) : inner(command) {}
        std::string Label() const override { return inner.Label(); }
        std::optional<std::string> Check(const model::CScreenModel& m) const override { return inner.Check(m); }
        bool Run(commands::CommandContext& context) override { return inner.Run(context); }
        commands::Command& inner;
    };
    batch.Add(std::make_unique<Borrowed>(command));
    return Run(model, batch, sink);
}

bool Document::Run(model::CScreenModel& model, const commands::CommandBatch& batch, platform::MessageSink& sink) {
    if (batch.Empty()) return false;
    if (RefusedAsReadOnly(sink)) return false;
    for (const auto& command : batch.Commands()) {
        if (const auto refusal = command->Check(model)) {
            sink.ShowMessage(*refusal);
            return false;
        }
    }
    const bool hadWorkFile =
        !model.OverridePath().empty() || !workspace_.Sections().WorkFileOf(model.Name(), SectionKindOf(model)).empty();
    if (!EnsureWorkFile(model, sink)) return false;
    const std::string label = batch.Commands().front()->Label();
    commands::CommandContext context{model, sink};
    bool written = true;
    {
        // Every command of the action works on the work file held in memory,
        // which is written back once, by a whole new file taking its name: so
        // the undo point can keep the old file itself, and a write that fails
        // leaves the old file whole.
        overrides::HeldWorkFile held(model.OverridePath());
        if (!held.Held()) {
            sink.ShowMessage(platform::FormatText(texts::kWorkFileNotRead, model.OverridePath().c_str()));
            return false;
        }
        commands::UndoHistory& history = History(model);
        if (!history.RecordUndoPointByName(model.OverridePath(), label, sink)) return false;
        for (const auto& command : batch.Commands()) written = command->Run(context) && written;
        if (!held.Write(sink)) {
            const std::string reason = platform::SystemReason();
            history.DropNewestUndoPoint();
            sink.ShowMessage(
                platform::FormatText(texts::kWorkFileNotWritten, model.OverridePath().c_str(), reason.c_str()));
            if (!hadWorkFile) {
                platform::RemoveFile(model.OverridePath());
                model.SetOverridePath({});
            }
            // The commands may have touched the items; the work file says what they are.
            ReloadAfterChange(model, sink);
            return false;
        }
        // Only a command that went through takes the redo steps away.
        history.DiscardRedo();
        savedTexts_.Forget(model.OverridePath());
    }
    RegisterSection(model);
    modified_ = true;
    ReloadAfterChange(model, sink);
    return written;
}

bool Document::Undo(model::CScreenModel& model, platform::MessageSink& sink) {
    commands::UndoHistory& history = History(model);
    const int steps = history.ChosenUndoCount() > 0 ? history.ChosenUndoCount() : 1;
    bool any = false;
    bool renamed = false;
    const auto kind = static_cast<overrides::SectionKind>(model.Kind());
    for (int step = 0; step < steps && history.UndoCount() > 0; ++step) {
        const commands::UndoRecord& next = *history.NewestUndo();
        if (!next.renamedFrom.empty()) {
            if (!MoveSection(kind, model.Name(), next.renamedFrom, sink)) break;
            renamed = true;
        }
        if (!history.UndoStep(model.OverridePath(), sink)) break;
        any = true;
    }
    history.ChooseUndoCount(0);
    if (!any) return false;
    AfterSteps(model, renamed, sink);
    return true;
}

bool Document::Redo(model::CScreenModel& model, platform::MessageSink& sink) {
    commands::UndoHistory& history = History(model);
    const int steps = history.ChosenRedoCount() > 0 ? history.ChosenRedoCount() : 1;
    bool any = false;
    bool renamed = false;
    const auto kind = static_cast<overrides::SectionKind>(model.Kind());
    for (int step = 0; step < steps && history.RedoCount() > 0; ++step) {
        const commands::UndoRecord& next = *history.NewestRedo();
        if (!next.renamedFrom.empty()) {
            if (!MoveSection(kind, next.renamedFrom, model.Name(), sink)) break;
            renamed = true;
            workspace_.AttachWorkFile(model);
        }
        if (!history.RedoStep(model.OverridePath(), sink)) break;
        any = true;
    }
    history.ChooseRedoCount(0);
    if (!any) return false;
    AfterSteps(model, renamed, sink);
    return true;
}

void Document::AfterSteps(model::CScreenModel& model, bool renamed, platform::MessageSink& sink) {
    savedTexts_.Forget(model.OverridePath());
    modified_ = true;
    // A renamed section has another work file: the entry is opened on it afresh.
    if (renamed) {
        ReloadEntry(model, sink);
    } else {
        ReloadAfterChange(model, sink);
    }
}

bool Document::RenameSection(model::CScreenModel& entry, const std::string& oldName, const std::string& label,
                             platform::MessageSink& sink) {
    if (RefusedAsReadOnly(sink)) return false;
    const auto kind = static_cast<overrides::SectionKind>(entry.Kind());
    overrides::SectionList& sections = workspace_.Sections();
    if (oldName == entry.Name() || sections.Find(oldName, kind) == nullptr) return false;
    std::optional<overrides::SectionEntry> emptied;
    if (const overrides::SectionEntry* own = sections.Find(entry.Name(), kind)) {
        // Only a section its steps left empty gives way, with those steps.
        std::error_code error;
        if (!own->workFilePath.empty() && std::filesystem::file_size(own->workFilePath, error) > 0 && !error) {
            return false;
        }
        emptied = *own;
        sections.Remove(entry.Name(), kind);
    }
    if (!MoveSection(kind, oldName, entry.Name(), sink)) {
        if (emptied) sections.Register(emptied->name, emptied->workFilePath, kind);
        return false;
    }
    commands::UndoHistory& history = History(entry);
    history.Clear();
    history.RecordSectionRename(label, oldName);
    modified_ = true;
    ReloadEntry(entry, sink);
    return true;
}

bool Document::MoveSection(overrides::SectionKind kind, const std::string& from, const std::string& to,
                           platform::MessageSink& sink) {
    overrides::SectionEntry* section = workspace_.Sections().Find(from, kind);
    if (section == nullptr || workspace_.Sections().Find(to, kind) != nullptr) return false;
    const std::string path =
        workspace_.WorkFiles().FilePath(to, static_cast<int>(kind), overrides::texts::kWorkFileExtension);
    if (path.empty() || !platform::MoveFileOver(section->workFilePath, path)) {
        const std::string reason = platform::SystemReason();
        const std::string where = path.empty() ? WorkFolder() : path;
        sink.ShowMessage(platform::FormatText(texts::kWorkFileNotWritten, where.c_str(), reason.c_str()));
        return false;
    }
    savedTexts_.Forget(section->workFilePath);
    savedTexts_.Forget(path);
    section->name = to;
    section->workFilePath = path;
    return true;
}

bool Document::CanUndo(const model::CScreenModel& model) const {
    const commands::UndoHistory* history = FindHistory(model);
    return history != nullptr && history->UndoCount() > 0;
}

bool Document::CanRedo(const model::CScreenModel& model) const {
    const commands::UndoHistory* history = FindHistory(model);
    return history != nullptr && history->RedoCount() > 0;
}

std::vector<std::string> Document::UndoLabels(const model::CScreenModel& model) const {
    const commands::UndoHistory* history = FindHistory(model);
    return history == nullptr ? std::vector<std::string>() : history->UndoLabels();
}

std::vector<std::string> Document::RedoLabels(const model::CScreenModel& model) const {
    const commands::UndoHistory* history = FindHistory(model);
    return history == nullptr ? std::vector<std::string>() : history->RedoLabels();
}

void Document::ChooseUndoCount(const model::CScreenModel& model, int count) { History(model).ChooseUndoCount(count); }
void Document::ChooseRedoCount(const model::CScreenModel& model, int count) { History(model).ChooseRedoCount(count); }

commands::UndoHistory& Document::History(const model::CScreenModel& model) { return History(IdOf(model)); }

commands::UndoHistory& Document::History(const EntryId& entry) {
    std::unique_ptr<commands::UndoHistory>& history = histories_[entry];
    if (!history) {
        history = std::make_unique<commands::UndoHistory>(SnapshotDirectory());
        // Its steps are written beside the entry's work file, for a recovery after a crash.
        history->KeepJournal(
            workspace_.WorkFiles().FilePath(entry.second, entry.first, commands::kUndoJournalExtension));
    }
    return *history;
}

EditResult Document::EditScreenFile(model::CScreenModel& model,
                                    const std::function<void(const std::string& copyPath)>& waitForEditor,
                                    platform::MessageSink& sink) {
    if (RefusedAsReadOnly(sink)) return EditResult::Failed;
    if (model.OverridePath().empty()) workspace_.AttachWorkFile(model);
    const std::string workFile = model.OverridePath();
    std::error_code error;
    if (workFile.empty() || !std::filesystem::exists(workFile, error)) {
        sink.ShowMessage(texts::kNoScfFile);
        return EditResult::NoWorkFile;
    }
    const std::string copy = overrides::SiblingPath(workFile, overrides::texts::kEditCopyExtension);
    if (!CopyFile(workFile, copy)) {
        const std::string reason = platform::SystemReason();
        platform::RemoveFile(copy);
        sink.ShowMessage(platform::FormatText(texts::kWorkFileNotWritten, copy.c_str(), reason.c_str()));
        return EditResult::Failed;
    }
    const auto before = std::filesystem::last_write_time(copy, error);
    const std::optional<std::string> text = overrides::ReadOverrideText(copy);
    model.SetEditWindowOpen(true);
    if (waitForEditor) waitForEditor(copy);
    model.SetEditWindowOpen(false);
    const auto after = std::filesystem::last_write_time(copy, error);
    // An editor that saves within the clock's resolution still changed the text.
    if (error || (after == before && overrides::ReadOverrideText(copy) == text)) {
        platform::RemoveFile(copy);
        return EditResult::Unchanged;
    }
    if (!History(model).RecordUndoPoint(workFile, commands::texts::kEditScreenFile, false, sink)) {
        platform::RemoveFile(copy);
        return EditResult::Failed;
    }
    if (!platform::MoveFileOver(copy, workFile)) {
        const std::string reason = platform::SystemReason();
        platform::RemoveFile(copy);
        History(model).DropNewestUndoPoint();
        sink.ShowMessage(platform::FormatText(texts::kWorkFileNotWritten, workFile.c_str(), reason.c_str()));
        return EditResult::Failed;
    }
    savedTexts_.Forget(workFile);
    RegisterSection(model);
    modified_ = true;
    ReloadAfterChange(model, sink);
    return EditResult::Applied;
}

bool Document::Save(platform::MessageSink& sink) {
    platform::IoFaults none;
    return Save(sink, none);
}

bool Document::Save(platform::MessageSink& sink, platform::IoFaults& faults) {
    const std::string& path = workspace_.OverridePath();
    if (path.empty()) return false;
    if (RefusedAsReadOnly(sink)) return false;
    const bool changed = ChangedByAnotherProgram();
    if (changed && !overwriteChanges_) {
        const std::string name = std::filesystem::path(path).filename().string();
        sink.ShowMessage(platform::FormatText(texts::kChangedByAnotherProgram, name.c_str()));
        return false;
    }
    // A file as it was at opening was judged then; one changed since is judged again.
    if ((changed || !workspace_.Stamp()) && RefusedAsForeign(path, sink)) return false;
    overrides::FileStamp written;
    if (!overrides::SaveOverrideFile(workspace_.Sections(), workspace_.WorkingCopyPath(), path, sink, faults,
                                     savedTexts_, &written)) {
        return false;
    }
    workspace_.SetStamp(written);
    kept_.reset();
    modified_ = false;
    return true;
}

bool Document::ChangedByAnotherProgram() const {
    const std::optional<overrides::FileStamp>& then = workspace_.Stamp();
    if (workspace_.OverridePath().empty() || !then) return false;
    const std::optional<overrides::FileStamp> now = overrides::TakeFileStamp(workspace_.OverridePath());
    // A file that cannot be read now is left to the save's own checks.
    return now && overrides::ContentChanged(*then, *now);
}

bool Document::MayHaveChangedOnDisk() const {
    const std::optional<overrides::FileStamp>& then = workspace_.Stamp();
    return !workspace_.OverridePath().empty() && then && overrides::MayHaveChanged(*then, workspace_.OverridePath());
}

bool Document::NewChangeOnDisk() const {
    const std::optional<overrides::FileStamp>& seen = kept_ ? kept_ : workspace_.Stamp();
    if (workspace_.OverridePath().empty() || !seen || !overrides::MayHaveChanged(*seen, workspace_.OverridePath())) {
        return false;
    }
    if (!ChangedByAnotherProgram()) return false;
    const std::optional<overrides::FileStamp> now = overrides::TakeFileStamp(workspace_.OverridePath());
    return !kept_ || (now && overrides::ContentChanged(*kept_, *now));
}

void Document::KeepOwnVersion() { kept_ = overrides::TakeFileStamp(workspace_.OverridePath()); }

bool Document::SaveAs(const std::string& path, platform::MessageSink& sink) {
    // Work files that could not be made are missing under any name.
    if (!workspace_.WorkFilesProblem().empty() && RefusedAsReadOnly(sink)) return false;
    const std::string target = WithOverrideExtension(path);
    if (RefusedAsForeign(target, sink)) return false;
    // Refused before the document takes the new name: it would save nothing there either.
    if (const std::optional<std::string> missing = overrides::MissingWorkFile(workspace_.Sections(), &savedTexts_)) {
        sink.ShowMessage(platform::FormatText(overrides::texts::kWorkFileMissing, target.c_str(), missing->c_str()));
        return false;
    }
    workspace_.Relocate(target);
    // The file saved under the new name is this customiser's to edit now.
    lock_.Take(target, true);
    return Save(sink);
}

Document::EntryId Document::IdOf(const model::CScreenModel& model) {
    return {static_cast<int>(model.Kind()), model.Name()};
}

const commands::UndoHistory* Document::FindHistory(const model::CScreenModel& model) const {
    const auto found = histories_.find(IdOf(model));
    return found == histories_.end() ? nullptr : found->second.get();
}

std::string Document::SnapshotDirectory() {
    // The work file directory is this process's own and readable by the user only.
    workspace_.WorkFiles().Ensure();
    return workspace_.WorkFiles().Path();
}

void Document::ClearHistories() {
    histories_.clear();
    current_ = nullptr;
}

bool Document::RefusedAsReadOnly(platform::MessageSink& sink) const {
    if (!workspace_.ReadOnly()) return false;
    if (!workspace_.HeldBy().empty()) {
        sink.ShowMessage(
            platform::FormatText(texts::kHeldRefusal, workspace_.OverridePath().c_str(), workspace_.HeldBy().c_str()));
    } else if (!workspace_.WorkFilesProblem().empty()) {
        sink.ShowMessage(platform::FormatText(texts::kReadOnlyWorkFilesRefusal, workspace_.OverridePath().c_str(),
                                              WorkFolder().c_str(), workspace_.WorkFilesProblem().c_str()));
    } else {
        sink.ShowMessage(platform::FormatText(texts::kReadOnlyRefusal, workspace_.OverridePath().c_str()));
    }
    return true;
}

std::string Document::WorkFolder() const {
    const overrides::WorkFileDirectory& folder = workspace_.WorkFiles();
    return folder.Path().empty() ? folder.Root() : folder.Path();
}

bool Document::RefusedAsForeign(const std::string& path, platform::MessageSink& sink) {
    if (!overrides::PlainlyNotAnOverrideFile(path)) return false;
    sink.ShowMessage(platform::FormatText(texts::kNotAnOverrideFile, path.c_str()));
    return true;
}

}  // namespace document
