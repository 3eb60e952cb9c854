#include "tessellar/commands/undo_history.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "tessellar/commands/command_texts.h"
#include "platform/file_replace.h"
#include "platform/text_capacity.h"
#include "tessellar/model/text_capacity.h"
#include "platform/unique_file.h"

namespace commands {

namespace {

constexpr const char* kUndoPrefix = "udo";
constexpr const char* kRedoPrefix = "rdo";
constexpr const char* kSnapshotExtension = ".tmp";

// Copies a file's bytes into an open file; a missing source leaves it empty.
void CopyInto(const std::string& from, std::FILE* to) {
    std::ifstream in(from, std::ios::binary);
    std::array<char, 4096> buffer;
    while (in) {
        in.read(buffer.data(), buffer.size());
        std::fwrite(buffer.data(), 1, static_cast<std::size_t>(in.gcount()), to);
    }
}

// Puts a snapshot back as the work file; an unreadable snapshot leaves the
// work file as it is, and so does any failure to put it there.
void Restore(const std::string& snapshot, const std::string& workFile) {
    std::error_code error;
    if (!std::filesystem::exists(snapshot, error)) return;
    platform::MoveFileOver(snapshot, workFile);
}

std::vector<std::string> NewestFirst(const std::vector<UndoRecord>& chain) {
    std::vector<std::string> labels;
    for (auto record = chain.rbegin(); record != chain.rend(); ++record) labels.push_back(record->displayText);
    return labels;
}

void DeleteSnapshots(std::vector<UndoRecord>& chain) {
    for (const UndoRecord& record : chain) platform::RemoveFile(record.snapshotPath);
    chain.clear();
}

}  // namespace

std::string UndoDisplayText(int number, const std::string& label) {
    std::string text = std::string(texts::kNumberWord) + " " + std::to_string(number) + ": " + label;
    return platform::CutText(text, model::kNameLength);
}

UndoHistory::UndoHistory(std::string snapshotDirectory) : directory_(std::move(snapshotDirectory)) {}

UndoHistory::~UndoHistory() { Clear(); }

bool UndoHistory::Push(std::vector<UndoRecord>& chain, const char* prefix, const std::string& workFile,
                       const std::string& label, platform::MessageSink& sink) {
    std::string path;
    std::FILE* snapshot = platform::CreateUniqueFile(directory_, prefix, kSnapshotExtension, path);
    if (snapshot == nullptr) {
        sink.ShowMessage(texts::kProblemCreatingTmpfile);
        return false;
    }
    CopyInto(workFile, snapshot);
    const bool written = std::fclose(snapshot) == 0;
    if (!written) {
        platform::RemoveFile(path);
        sink.ShowMessage(texts::kProblemCreatingTmpfile);
        return false;
    }
    UndoRecord record;
    record.number = static_cast<int>(chain.size());
    record.snapshotPath = path;
    record.label = label;
    record.displayText = UndoDisplayText(record.number + 1, label);
    chain.push_back(std::move(record));
    return true;
}

bool UndoHistory::RecordUndoPoint(const std::string& workFile, const std::string& label, bool isRedo,
                                  platform::MessageSink& sink) {
    if (!isRedo) DiscardRedo();
    return Push(undo_, kUndoPrefix, workFile, label, sink);
}

bool UndoHistory::UndoStep(const std::string& workFile, platform::MessageSink& sink) {
    if (undo_.empty()) return false;
    UndoRecord step = std::move(undo_.back());
    undo_.pop_back();
    if (!Push(redo_, kRedoPrefix, workFile, step.label, sink)) {
        platform::RemoveFile(step.snapshotPath);
        return false;
    }
    Restore(step.snapshotPath, workFile);
    return true;
}

bool UndoHistory::RedoStep(const std::string& workFile, platform::MessageSink& sink) {
    if (redo_.empty()) return false;
    UndoRecord step = std::move(redo_.back());
    redo_.pop_back();
    if (!RecordUndoPoint(workFile, step.label, true, sink)) {
        platform::RemoveFile(step.snapshotPath);
        return false;
    }
    Restore(step.snapshotPath, workFile);
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
}

}  // namespace commands
