#include "tessellar/overrides/override_saving.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "tessellar/overrides/override_format.h"
#include "tessellar/overrides/override_texts.h"
#include "tessellar/overrides/save_filter.h"
#include "platform/message_format.h"

namespace overrides {

std::string BuildOverrideText(const SectionList& sections, platform::IoFaults& faults, bool& readFailed) {
    readFailed = false;
    std::string text = format::FileHeaderLine();
    for (const SectionEntry& section : sections.Entries()) {
        if (section.workFilePath.empty()) continue;
        std::error_code error;
        // A section whose work file was never made has nothing to save.
        if (!std::filesystem::exists(section.workFilePath, error)) continue;
        std::ifstream in(section.workFilePath, std::ios::binary);
        if (!faults.Step() || !in) {
            readFailed = true;
            continue;
        }
        std::ostringstream kept;
        if (FilterSectionForSave(in, kept) == 0) continue;
        if (in.bad()) {
            readFailed = true;
            continue;
        }
        text += format::SectionHeaderLine(section.kind, section.name);
        text += format::SectionOpenLine();
        std::istringstream lines(kept.str());
        std::string line;
        while (std::getline(lines, line)) {
            text += format::SectionBodyLine(line);
            text += '\n';
        }
        text += format::SectionCloseLine();
    }
    return text;
}

bool SaveOverrideFile(const SectionList& sections, const std::string& workingCopyPath,
                      const std::string& overrideFilePath, platform::MessageSink& sink, platform::IoFaults& faults) {
    bool readFailed = false;
    const std::string text = BuildOverrideText(sections, faults, readFailed);
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

bool SaveOverrideFile(const SectionList& sections, const std::string& workingCopyPath,
                      const std::string& overrideFilePath, platform::MessageSink& sink) {
    platform::IoFaults none;
    return SaveOverrideFile(sections, workingCopyPath, overrideFilePath, sink, none);
}

}  // namespace overrides
