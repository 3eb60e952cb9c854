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
#include "tessellar/overrides/unique_file.h"
#include "platform/message_format.h"

namespace overrides {

namespace {

constexpr std::size_t kWriteBlock = 512;
bool WriteBlocks(std::FILE* file, const std::string& text, IoFaults& faults) {
    for (std::size_t at = 0; at < text.size(); at += kWriteBlock) {
        const std::size_t length = std::min(kWriteBlock, text.size() - at);
        if (!faults.Step() || std::fwrite(text.data() + at, 1, length, file) != length) return false;
    }
    return true;
}

void Discard(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

}  // namespace

std::string BuildOverrideText(const SectionList& sections, IoFaults& faults, bool& readFailed) {
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

bool ReplaceFileAtomically(const std::string& path, const std::string& text, IoFaults& faults) {
    std::string temporary;
    std::FILE* file = faults.Step() ? CreateUniqueSibling(path, ".new-", temporary) : nullptr;
    if (file == nullptr) return false;
    bool written = WriteBlocks(file, text, faults);
    written = faults.Step() && std::fflush(file) == 0 && written;
    written = (std::fclose(file) == 0) && written;
    if (!written) {
        Discard(temporary);
        return false;
    }
    std::error_code error;
    // The new file keeps the permissions of the one it replaces.
    const auto permissions = std::filesystem::status(path, error).permissions();
    if (!error && permissions != std::filesystem::perms::unknown) {
        std::filesystem::permissions(temporary, permissions, std::filesystem::perm_options::replace, error);
    }
    error.clear();
    if (faults.Step()) std::filesystem::rename(temporary, path, error);
    else error = std::make_error_code(std::errc::io_error);
    if (error) {
        Discard(temporary);
        return false;
    }
    return true;
}

bool SaveOverrideFile(const SectionList& sections, const std::string& workingCopyPath,
                      const std::string& overrideFilePath, platform::MessageSink& sink, IoFaults& faults) {
    bool readFailed = false;
    const std::string text = BuildOverrideText(sections, faults, readFailed);
    // A work file that could not be read would lose its section: nothing is saved.
    if (readFailed || !ReplaceFileAtomically(workingCopyPath, text, faults)) {
        sink.ShowMessage(platform::FormatText(texts::kCouldNotOpenBackUp, workingCopyPath.c_str()));
        return false;
    }
    if (!ReplaceFileAtomically(overrideFilePath, text, faults)) {
        sink.ShowMessage(platform::FormatText(texts::kCouldNotOpenOverrideFile, overrideFilePath.c_str()));
        return false;
    }
    return true;
}

bool SaveOverrideFile(const SectionList& sections, const std::string& workingCopyPath,
                      const std::string& overrideFilePath, platform::MessageSink& sink) {
    IoFaults none;
    return SaveOverrideFile(sections, workingCopyPath, overrideFilePath, sink, none);
}

}  // namespace overrides
