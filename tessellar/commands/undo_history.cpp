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

// Copies a file's bytes over another; a missing source leaves it empty.
bool CopyFile(const std::string& from, const std::string& to) {
    std::FILE* out = std::fopen(to.c_str(), "wb");
    if (out == nullptr) return false;
    CopyInto(from, out);
    return std::fclose(out) == 0;
}

// A step without copying: the work file becomes the other direction's
// snapshot (taking the place of the empty file made for its name) and the
// step's snapshot becomes the work file. False, with every file as it was,
// when either is missing or a rename fails; the caller then copies.
bool SwapByRename(const std::string& stepSnapshot, const std::string& workFile, const std::string& newSnapshot) {
    std::error_code error;
    if (!std::filesystem::exists(stepSnapshot, error) || !std::filesystem::exists(workFile, error)) return false;
    std::filesystem::rename(workFile, newSnapshot, error);
    if (error) return false;
    std::filesystem::rename(stepSnapshot, workFile, error);
    if (!error) return true;
    std::filesystem::rename(newSnapshot, workFile, error);
    return false;
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
    AddRecord(chain, std::move(path), label);
    return true;
}

void UndoHistory::AddRecord(std::vector<UndoRecord>& chain, std::string snapshotPath, const std::string& label) {
    UndoRecord record;
    record.number = static_cast<int>(chain.size());
    record.snapshotPath = std::move(snapshotPath);
    record.label = label;
    record.displayText = UndoDisplayText(record.number + 1, label);
    chain.push_back(std::move(record));
}

bool UndoHistory::RecordUndoPoint(const std::string& workFile, const std::string& label, bool isRedo,
                                  platform::MessageSink& sink) {
    if (!isRedo) DiscardRedo();
    return Push(undo_, kUndoPrefix, workFile, label, sink);
}

bool UndoHistory::RecordUndoPointByName(const std::string& workFile, const std::string& label,
                                        platform::MessageSink& sink) {
    DiscardRedo();
    std::string path;
    if (!platform::LinkUniqueName(workFile, directory_, kUndoPrefix, kSnapshotExtension, path)) {
        return Push(undo_, kUndoPrefix, workFile, label, sink);
    }
    AddRecord(undo_, std::move(path), label);
    return true;
}

bool UndoHistory::Swap(std::vector<UndoRecord>& from, std::vector<UndoRecord>& to, const char* prefix,
                       const std::string& workFile, platform::MessageSink& sink) {
    if (from.empty()) return false;
    UndoRecord step = std::move(from.back());
    from.pop_back();
    std::string path;
    std::FILE* snapshot = platform::CreateUniqueFile(directory_, prefix, kSnapshotExtension, path);
    if (snapshot == nullptr || std::fclose(snapshot) != 0) {
        if (!path.empty()) platform::RemoveFile(path);
        platform::RemoveFile(step.snapshotPath);
        sink.ShowMessage(texts::kProblemCreatingTmpfile);
        return false;
    }
    if (!SwapByRename(step.snapshotPath, workFile, path)) {
        if (!CopyFile(workFile, path)) {
            platform::RemoveFile(path);
            platform::RemoveFile(step.snapshotPath);
            sink.ShowMessage(texts::kProblemCreatingTmpfile);
            return false;
        }
        Restore(step.snapshotPath, workFile);
    }
    AddRecord(to, std::move(path), step.label);
    return true;
}

bool UndoHistory::UndoStep(const std::string& workFile, platform::MessageSink& sink) {
    return Swap(undo_, redo_, kRedoPrefix, workFile, sink);
}

bool UndoHistory::RedoStep(const std::string& workFile, platform::MessageSink& sink) {
    // The redo history stays: a redo records its undo point as a redo would.
    return Swap(redo_, undo_, kUndoPrefix, workFile, sink);
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
