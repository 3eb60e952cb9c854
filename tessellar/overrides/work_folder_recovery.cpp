#include "tessellar/overrides/work_folder_recovery.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/native_path.h"
#include "platform/process_identity.h"
#include "platform/unique_file.h"
#include "tessellar/overrides/override_texts.h"
#include "tessellar/overrides/work_file_directory.h"

namespace overrides {

namespace {

constexpr const char* kOwnerTitle = "tessellar work folder";

bool ReadOwner(const std::string& folder, WorkFolderOwner& owner) {
    std::ifstream in(platform::JoinPath(folder, kWorkFolderOwnerFile), std::ios::binary);
    std::string line;
    if (!std::getline(in, line) || line != kOwnerTitle) return false;
    while (std::getline(in, line)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        try {
            if (key == "program") owner.program = value;
            if (key == "override") owner.overrideFile = value;
            if (key == "host") owner.host = value;
            if (key == "process") owner.process = std::stol(value);
            if (key == "made") owner.made = static_cast<std::time_t>(std::stoll(value));
        } catch (...) {
            return false;
        }
    }
    return owner.process > 0 && !owner.host.empty();
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string WorkFolderOwnerText(const std::string& program, const std::string& overrideFile) {
    return std::string(kOwnerTitle) + "\nprogram=" + program + "\noverride=" + overrideFile +
           "\nhost=" + platform::HostName() + "\nprocess=" + std::to_string(platform::ThisProcessId()) +
           "\nmade=" + std::to_string(static_cast<long long>(std::time(nullptr))) + "\n";
}

std::vector<AbandonedWorkFolder> FindAbandonedWorkFolders(const std::string& temporaryRoot) {
    std::vector<AbandonedWorkFolder> found;
    const std::string host = platform::HostName();
    std::error_code error;
    for (auto entry = std::filesystem::directory_iterator(temporaryRoot, error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        // Only a folder this user made as a work folder: one that another
        // user of the temporary folder put there could name any override file.
        if (!name.starts_with(texts::kWorkDirectoryPrefix) || !platform::IsPrivateDirectory(entry->path().string())) {
            continue;
        }
        AbandonedWorkFolder folder;
        folder.path = entry->path().string();
        if (!ReadOwner(folder.path, folder.owner)) continue;
        if (folder.owner.host != host || !platform::ProcessGone(folder.owner.process)) continue;
        found.push_back(std::move(folder));
    }
    return found;
}

bool SectionOfWorkFileName(const std::string& fileName, SectionKind& kind, std::string& name) {
    const std::string prefix = texts::kWorkFilePrefix;
    const std::string extension = texts::kWorkFileExtension;
    if (fileName.size() < prefix.size() + extension.size() || !fileName.starts_with(prefix) ||
        !fileName.ends_with(extension)) {
        return false;
    }
    std::string escaped = fileName.substr(prefix.size(), fileName.size() - prefix.size() - extension.size());
    kind = SectionKind::Screen;
    for (const auto& [suffix, suffixKind] : {std::pair<std::string, SectionKind>{"%menu", SectionKind::Menu},
                                             std::pair<std::string, SectionKind>{"%procedure", SectionKind::Procedure}}) {
        if (escaped.ends_with(suffix)) {
            escaped.resize(escaped.size() - suffix.size());
            kind = suffixKind;
        }
    }
    name.clear();
    for (std::size_t at = 0; at < escaped.size(); ++at) {
        if (escaped[at] != '%') {
            name += escaped[at];
            continue;
        }
        if (at + 2 >= escaped.size()) return false;
        const int high = HexValue(escaped[at + 1]);
        const int low = HexValue(escaped[at + 2]);
        if (high < 0 || low < 0) return false;
        name += static_cast<char>(high * 16 + low);
        at += 2;
    }
    return !name.empty();
}

std::vector<LeftSection> SectionsLeftIn(const std::string& folder) {
    std::vector<LeftSection> sections;
    std::error_code error;
    for (auto entry = std::filesystem::directory_iterator(folder, error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        LeftSection section;
        if (!entry->is_regular_file(error)) continue;
        if (!SectionOfWorkFileName(entry->path().filename().string(), section.kind, section.name)) continue;
        section.path = entry->path().string();
        sections.push_back(std::move(section));
    }
    return sections;
}

void RemoveWorkFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::remove_all(folder, error);
}

}  // namespace overrides
