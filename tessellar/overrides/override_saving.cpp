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

std::string BuildOverrideText(const SectionList& sections, platform::IoFaults& faults, bool& readFailed,
                              const SavedSectionTexts* known, SavedSectionTexts* read) {
    readFailed = false;
    std::string text = format::FileHeaderLine();
    for (const SectionEntry& section : sections.Entries()) {
        if (section.workFilePath.empty()) continue;
        const std::string* part = known != nullptr ? known->Find(section.workFilePath) : nullptr;
        std::optional<std::string> fresh;
        if (part == nullptr) {
            std::error_code error;
            // A section whose work file was never made has nothing to save.
            if (!std::filesystem::exists(section.workFilePath, error)) continue;
            fresh = SectionPart(section.workFilePath, faults);
            if (!fresh) {
                readFailed = true;
                continue;
            }
            part = &*fresh;
        }
        if (read != nullptr) read->Keep(section.workFilePath, *part);
        if (part->empty()) continue;
        text += format::SectionHeaderLine(section.kind, section.name);
        text += format::SectionOpenLine();
        text += *part;
        text += format::SectionCloseLine();
    }
    return text;
}

namespace {

bool WriteSavedText(const std::string& text, bool readFailed, const std::string& workingCopyPath,
                    const std::string& overrideFilePath, platform::MessageSink& sink, platform::IoFaults& faults) {
    // A work file that could not be read would lose its section: nothing is saved.
    if (readFailed || !platform::ReplaceFile(workingCopyPath, text, faults)) {
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
    bool readFailed = false;
    const std::string text = BuildOverrideText(sections, faults, readFailed);
    return WriteSavedText(text, readFailed, workingCopyPath, overrideFilePath, sink, faults);
}

bool SaveOverrideFile(const SectionList& sections, const std::string& workingCopyPath,
                      const std::string& overrideFilePath, platform::MessageSink& sink) {
    platform::IoFaults none;
    return SaveOverrideFile(sections, workingCopyPath, overrideFilePath, sink, none);
}

bool SaveOverrideFile(const SectionList& sections, const std::string& workingCopyPath,
                      const std::string& overrideFilePath, platform::MessageSink& sink, platform::IoFaults& faults,
                      SavedSectionTexts& saved) {
    bool readFailed = false;
    SavedSectionTexts read;
    const std::string text = BuildOverrideText(sections, faults, readFailed, &saved, &read);
    if (!WriteSavedText(text, readFailed, workingCopyPath, overrideFilePath, sink, faults)) return false;
    // Kept only once saved: a failed save leaves every part to be read again.
    saved = std::move(read);
    return true;
}

}  // namespace overrides
