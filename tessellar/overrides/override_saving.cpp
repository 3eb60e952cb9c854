#include "tessellar/overrides/override_saving.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <optional>
#include <system_error>

#include "tessellar/overrides/override_format.h"
#include "tessellar/overrides/override_texts.h"
#include "tessellar/overrides/save_filter.h"
#include "platform/message_format.h"

namespace overrides {

void SavedSectionTexts::Absorb(SavedSectionTexts&& other) {
    for (auto& [path, text] : other.texts_) texts_[path] = std::move(text);
    other.texts_.clear();
}

const std::string* SavedSectionTexts::Find(const std::string& workFilePath) const {
    const auto found = texts_.find(workFilePath);
    return found == texts_.end() ? nullptr : &found->second;
}

namespace {

// A work file's kept blocks, each line one tab in; empty when none is kept.
// Nothing when the file exists but cannot be read.
std::optional<std::string> SectionPart(const std::string& workFilePath, platform::IoFaults& faults) {
    std::ifstream in(workFilePath, std::ios::binary);
    if (!faults.Step() || !in) return std::nullopt;
    std::ostringstream kept;
    if (FilterSectionForSave(in, kept) == 0) return std::string();
    if (in.bad()) return std::nullopt;
    std::string part;
    std::istringstream lines(std::move(kept).str());
    std::string line;
    while (std::getline(lines, line)) {
        part += format::SectionBodyLine(line);
        part += '\n';
    }
    return part;
}

}  // namespace

std::string SectionTitle(const SectionEntry& section) {
    std::string title = format::SectionHeaderLine(section.kind, section.name);
    title.pop_back();  // its line end
    return title;
}

std::optional<std::string> MissingWorkFile(const SectionList& sections, const SavedSectionTexts* known) {
    for (const SectionEntry& section : sections.Entries()) {
        if (known != nullptr && !section.workFilePath.empty() && known->Find(section.workFilePath) != nullptr) continue;
        std::error_code error;
        if (section.workFilePath.empty() || !std::filesystem::is_regular_file(section.workFilePath, error)) {
            return SectionTitle(section);
        }
    }
    return std::nullopt;
}

namespace {

// The saved text; `failed` names the first section whose work file is
// missing or could not be read (its part is then left out).
std::string Build(const SectionList& sections, platform::IoFaults& faults, std::string& failed,
                  const SavedSectionTexts* known, SavedSectionTexts* read) {
    failed.clear();
    std::string text = format::FileHeaderLine();
    for (const SectionEntry& section : sections.Entries()) {
        const std::string* part =
            known != nullptr && !section.workFilePath.empty() ? known->Find(section.workFilePath) : nullptr;
        std::optional<std::string> fresh;
        if (part == nullptr) {
            // A section is listed only once it has a work file: one that is
            // gone (a full disk at opening, a cleaner of the temporary
            // folder) would drop the section from the file.
            if (!section.workFilePath.empty()) fresh = SectionPart(section.workFilePath, faults);
            if (!fresh) {
                if (failed.empty()) failed = SectionTitle(section);
                continue;
            }
            part = &*fresh;
        }
        if (read != nullptr && fresh) read->Keep(section.workFilePath, *fresh);
        if (part->empty()) continue;
        text += format::SectionHeaderLine(section.kind, section.name);
        text += format::SectionOpenLine();
        text += *part;
        text += format::SectionCloseLine();
    }
    return text;
}

}  // namespace

std::string BuildOverrideText(const SectionList& sections, platform::IoFaults& faults, bool& readFailed,
                              const SavedSectionTexts* known, SavedSectionTexts* read) {
    std::string failed;
    std::string text = Build(sections, faults, failed, known, read);
    readFailed = !failed.empty();
    return text;
}

namespace {

bool WriteSavedText(const std::string& text, const std::string& failedSection, const std::string& workingCopyPath,
                    const std::string& overrideFilePath, platform::MessageSink& sink, platform::IoFaults& faults) {
    // A work file that could not be read would lose its section: nothing is saved.
    if (!failedSection.empty()) {
        sink.ShowMessage(
            platform::FormatText(texts::kWorkFileMissing, overrideFilePath.c_str(), failedSection.c_str()));
        return false;
    }
    // The working copy is rebuilt at every save from what is in memory: only
    // the override file itself is replaced whole and synced.
    if (!platform::WriteCopyInPlace(workingCopyPath, text, faults)) {
        sink.ShowMessage(platform::FormatText(texts::kCouldNotOpenBackUp, workingCopyPath.c_str()));
        return false;
    }
    if (!platform::ReplaceFile(overrideFilePath, text, faults)) {
        sink.ShowMessage(platform::FormatText(texts::kCouldNotOpenOverrideFile, overrideFilePath.c_str()));
        return false;
    }
    return true;
}

}  // namespace

bool SaveOverrideFile(const SectionList& sections, const std::string& workingCopyPath,
                      const std::string& overrideFilePath, platform::MessageSink& sink, platform::IoFaults& faults) {
    std::string failed;
    const std::string text = Build(sections, faults, failed, nullptr, nullptr);
    return WriteSavedText(text, failed, workingCopyPath, overrideFilePath, sink, faults);
}

bool SaveOverrideFile(const SectionList& sections, const std::string& workingCopyPath,
                      const std::string& overrideFilePath, platform::MessageSink& sink) {
    platform::IoFaults none;
    return SaveOverrideFile(sections, workingCopyPath, overrideFilePath, sink, none);
}

bool SaveOverrideFile(const SectionList& sections, const std::string& workingCopyPath,
                      const std::string& overrideFilePath, platform::MessageSink& sink, platform::IoFaults& faults,
                      SavedSectionTexts& saved, FileStamp* written) {
    std::string failed;
    SavedSectionTexts fresh;
    const std::string text = Build(sections, faults, failed, &saved, &fresh);
    if (!WriteSavedText(text, failed, workingCopyPath, overrideFilePath, sink, faults)) return false;
    if (written != nullptr) *written = StampOfWrittenText(overrideFilePath, text);
    // Kept only once saved: a failed save leaves every part it read to be read again.
    saved.Absorb(std::move(fresh));
    return true;
}

}  // namespace overrides
