#include "tessellar/commands/undo_history.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "tessellar/commands/command_texts.h"
#include "platform/file_replace.h"
#include "platform/scratch_faults.h"
#include "platform/text_capacity.h"
#include "tessellar/model/text_capacity.h"
#include "platform/unique_file.h"

namespace commands {

namespace {

constexpr std::string_view kUndoPrefix = kUndoSnapshotPrefix;
constexpr std::string_view kRedoPrefix = "rdo";

// Copies a file's bytes into an open file; a missing source leaves it
// empty. False when the source cannot be read or a write fails.
bool CopyInto(const std::string& from, std::FILE* to) {
    std::error_code error;
    const bool exists = std::filesystem::exists(from, error);
    std::ifstream in(from, std::ios::binary);
    if (exists && !in) return false;
    std::array<char, 4096> buffer;
    while (in) {
        in.read(buffer.data(), buffer.size());
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got > 0 && (!platform::ScratchStep() || std::fwrite(buffer.data(), 1, got, to) != got)) return false;
    }
    return !in.bad();
}

// Puts a snapshot back as the work file; a snapshot that is gone leaves the
// work file as it is (nothing could bring it back). False, with the work
// file as it was, when the snapshot cannot be put there.
bool Restore(const std::string& snapshot, const std::string& workFile) {
    std::error_code error;
    if (!std::filesystem::exists(snapshot, error)) return true;
    return platform::MoveFileOver(snapshot, workFile);
}

// Copies a file's bytes over another; a missing source leaves it empty.
bool CopyFile(const std::string& from, const std::string& to) {
    std::FILE* out = platform::ScratchStep() ? std::fopen(to.c_str(), "wb") : nullptr;
    if (out == nullptr) return false;
    const bool copied = CopyInto(from, out);
    return std::fclose(out) == 0 && copied;
}

// A step without copying: the work file becomes the other direction's
// snapshot (taking the place of the empty file made for its name) and the
// step's snapshot becomes the work file. False, with every file as it was,
// when either is missing or a rename fails; the caller then copies.
bool SwapByRename(const std::string& stepSnapshot, const std::string& workFile, const std::string& newSnapshot) {
    std::error_code error;
    if (!std::filesystem::exists(stepSnapshot, error) || !std::filesystem::exists(workFile, error)) return false;
    if (!platform::ScratchStep()) return false;
    std::filesystem::rename(workFile, newSnapshot, error);
    if (error) return false;
    if (platform::ScratchStep()) {
        std::filesystem::rename(stepSnapshot, workFile, error);
        if (!error) return true;
    }
    // Putting the work file back is no new write: it only undoes the first rename.
    std::filesystem::rename(newSnapshot, workFile, error);
    return false;
}

std::vector<std::string> NewestFirst(const std::vector<UndoRecord>& chain) {
    std::vector<std::string> labels;
    for (auto record = chain.rbegin(); record != chain.rend(); ++record) labels.push_back(record->displayText);
    return labels;
}

void DeleteSnapshots(std::vector<UndoRecord>& chain) {
    for (const UndoRecord& record : chain) {
        if (!record.snapshotPath.empty()) platform::RemoveFile(record.snapshotPath);
    }
    chain.clear();
}

}  // namespace

std::string UndoDisplayText(int number, const std::string& label) {
    std::string text = std::string(texts::kNumberWord) + " " + std::to_string(number) + ": " + label;
    return platform::CutText(text, model::kNameLength);
}

UndoHistory::UndoHistory(std::string snapshotDirectory) : directory_(std::move(snapshotDirectory)) {}

UndoHistory::~UndoHistory() {
    // A history that goes with its document leaves nothing to recover.
    if (!journal_.empty()) platform::RemoveFile(journal_);
    journal_.clear();
    Clear();
}

void UndoHistory::KeepJournal(std::string path) {
    journal_ = std::move(path);
    Journal();
}

void UndoHistory::Journal() const {
    if (journal_.empty()) return;
    // A failing step of a test's faults is meant for the user's own work
    // files: the journal is written outside them, its failure refuses nothing.
    platform::IoFaults uncounted;
    platform::ScratchFaultScope scope(uncounted);
    if (!platform::ReplaceScratchFile(journal_, UndoJournalText(undo_))) platform::RemoveFile(journal_);
}

std::size_t UndoHistory::TakeOver(const std::string& folder, const std::vector<JournalStep>& steps) {
    namespace fs = std::filesystem;
    std::vector<UndoRecord> taken;  // newest first
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        const fs::path snapshot = fs::path(folder) / step->snapshotName;
        std::error_code error;
        if (!IsUndoSnapshotName(step->snapshotName) ||
            fs::symlink_status(snapshot, error).type() != fs::file_type::regular) {
            break;
        }
        std::string path;
        std::FILE* reserved = platform::CreateUniqueFile(directory_, kUndoPrefix, kSnapshotExtension, path);
        const bool made = reserved != nullptr && std::fclose(reserved) == 0;
        if (!made || !platform::MoveFileOver(snapshot.string(), path)) {
            if (!path.empty()) platform::RemoveFile(path);
            break;
        }
        taken.push_back(UndoRecord{0, std::move(path), step->label, {}, {}});
    }
    for (auto record = taken.rbegin(); record != taken.rend(); ++record) {
        AddRecord(undo_, std::move(record->snapshotPath), record->label);
    }
    Journal();
    return taken.size();
}

bool UndoHistory::Push(std::vector<UndoRecord>& chain, std::string_view prefix, const std::string& workFile,
                       const std::string& label, platform::MessageSink& sink) {
    std::string path;
    std::FILE* snapshot =
        platform::ScratchStep() ? platform::CreateUniqueFile(directory_, prefix, kSnapshotExtension, path) : nullptr;
    if (snapshot == nullptr) {
        sink.ShowMessage(texts::kProblemCreatingTmpfile);
        return false;
    }
    const bool copied = CopyInto(workFile, snapshot);
    const bool written = std::fclose(snapshot) == 0 && copied;
    if (!written) {
        platform::RemoveFile(path);
        sink.ShowMessage(texts::kProblemCreatingTmpfile);
        return false;
    }
    AddRecord(chain, std::move(path), label);
    return true;
}

void UndoHistory::AddRecord(std::vector<UndoRecord>& chain, std::string snapshotPath, const std::string& label,
                            std::string renamedFrom) {
    UndoRecord record;
    record.number = static_cast<int>(chain.size());
    record.snapshotPath = std::move(snapshotPath);
    record.label = label;
    record.renamedFrom = std::move(renamedFrom);
    record.displayText = UndoDisplayText(record.number + 1, label);
    chain.push_back(std::move(record));
}

bool UndoHistory::RecordUndoPoint(const std::string& workFile, const std::string& label, bool isRedo,
                                  platform::MessageSink& sink) {
    if (!isRedo) DiscardRedo();
    if (!Push(undo_, kUndoPrefix, workFile, label, sink)) return false;
    Journal();
    return true;
}

bool UndoHistory::RecordUndoPointByName(const std::string& workFile, const std::string& label,
                                        platform::MessageSink& sink) {
    std::string path;
    if (!platform::ScratchStep()) {
        sink.ShowMessage(texts::kProblemCreatingTmpfile);
        return false;
    }
    if (platform::LinkUniqueName(workFile, directory_, kUndoPrefix, kSnapshotExtension, path)) {
        AddRecord(undo_, std::move(path), label);
    } else if (!Push(undo_, kUndoPrefix, workFile, label, sink)) {
        return false;
    }
    Journal();
    return true;
}

bool UndoHistory::Swap(std::vector<UndoRecord>& from, std::vector<UndoRecord>& to, std::string_view prefix,
                       const std::string& workFile, platform::MessageSink& sink) {
    if (from.empty()) return false;
    UndoRecord& step = from.back();
    if (!step.renamedFrom.empty()) {
        // No file to swap: the document renamed the section.
        UndoRecord moved = std::move(step);
        from.pop_back();
        AddRecord(to, {}, moved.label, std::move(moved.renamedFrom));
        return true;
    }
    std::string path;
    std::FILE* snapshot =
        platform::ScratchStep() ? platform::CreateUniqueFile(directory_, prefix, kSnapshotExtension, path) : nullptr;
    const bool made = snapshot != nullptr && std::fclose(snapshot) == 0;
    // The step stays in its history whatever fails: the work file is as it was.
    if (!made || (!SwapByRename(step.snapshotPath, workFile, path) &&
                  !(CopyFile(workFile, path) && Restore(step.snapshotPath, workFile)))) {
        if (!path.empty()) platform::RemoveFile(path);
        sink.ShowMessage(texts::kProblemCreatingTmpfile);
        return false;
    }
    const std::string label = step.label;
    from.pop_back();
    AddRecord(to, std::move(path), label);
    return true;
}

void UndoHistory::RecordSectionRename(const std::string& label, const std::string& oldName) {
    DiscardRedo();
    AddRecord(undo_, {}, label, oldName);
    Journal();
}

void UndoHistory::DropNewestUndoPoint() {
    if (undo_.empty()) return;
    if (!undo_.back().snapshotPath.empty()) platform::RemoveFile(undo_.back().snapshotPath);
    undo_.pop_back();
    Journal();
}

bool UndoHistory::UndoStep(const std::string& workFile, platform::MessageSink& sink) {
    if (!Swap(undo_, redo_, kRedoPrefix, workFile, sink)) return false;
    Journal();
    return true;
}

bool UndoHistory::RedoStep(const std::string& workFile, platform::MessageSink& sink) {
    // The redo history stays: a redo records its undo point as a redo would.
    if (!Swap(redo_, undo_, kUndoPrefix, workFile, sink)) return false;
    Journal();
    return true;
}

std::vector<std::string> UndoHistory::UndoLabels() const { return NewestFirst(undo_); }
std::vector<std::string> UndoHistory::RedoLabels() const { return NewestFirst(redo_); }

void UndoHistory::Refresh() {
    DiscardRedo();
    chosenUndo_ = 0;
    chosenRedo_ = 0;
}

void UndoHistory::DiscardRedo() {
    DeleteSnapshots(redo_);
    chosenRedo_ = 0;
}

void UndoHistory::Clear() {
    DeleteSnapshots(undo_);
    DeleteSnapshots(redo_);
    chosenUndo_ = 0;
    chosenRedo_ = 0;
    Journal();
}

}  // namespace commands
