#include "tessellar/commands/undo_journal.h"

#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "platform/line_escapes.h"
#include "tessellar/commands/undo_history.h"

namespace commands {

namespace {

constexpr std::string_view kFirstLine = "tessellar undo steps";
// Far more than a day's steps: a larger file is not one of ours.
constexpr std::uintmax_t kLargestJournal = 16u * 1024 * 1024;
constexpr std::size_t kLongestSnapshotName = 255;

}  // namespace

bool IsUndoSnapshotName(const std::string& name) {
    if (name.size() > kLongestSnapshotName || name.size() <= kUndoSnapshotPrefix.size() + kSnapshotExtension.size() ||
        !name.starts_with(kUndoSnapshotPrefix) || !name.ends_with(kSnapshotExtension)) {
        return false;
    }
    for (const char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                           c == '_' || c == '-';
        if (!plain) return false;
    }
    return true;
}

std::string UndoJournalText(const std::vector<UndoRecord>& chain) {
    std::string text(kFirstLine);
    text += '\n';
    for (const UndoRecord& record : chain) {
        text += std::filesystem::path(record.snapshotPath).filename().string();
        text += '\t';
        text += platform::EscapedLineBreaks(record.label);
        text += '\n';
    }
    return text;
}

std::vector<JournalStep> ReadUndoJournal(const std::string& path) {
    std::vector<JournalStep> steps;
    std::error_code error;
    if (std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::regular) return steps;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kLargestJournal) return steps;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    if (!std::getline(in, line) || line != kFirstLine) return steps;
    while (std::getline(in, line)) {
        const std::size_t tab = line.find('\t');
        JournalStep step;
        if (tab != std::string::npos) step = {line.substr(0, tab), platform::UnescapedLineBreaks(std::string_view(line).substr(tab + 1))};
        // A step without a snapshot of its own (a section renamed), or a line
        // that is not a step: no step before it can be undone past it.
        if (!IsUndoSnapshotName(step.snapshotName)) {
            steps.clear();
            continue;
        }
        steps.push_back(std::move(step));
    }
    return steps;
}

}  // namespace commands
