#include "tessellar/overrides/work_file_directory.h"

#include <filesystem>
#include <system_error>

#include "platform/file_replace.h"
#include "platform/native_path.h"
#include "platform/scratch_faults.h"
#include "platform/unique_file.h"
#include "tessellar/overrides/override_texts.h"

namespace overrides {

namespace {

bool NeedsEscape(unsigned char c) { return c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == '%'; }

}  // namespace

std::string WorkFileName(std::string_view sectionName, std::string_view extension) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string name = texts::kWorkFilePrefix;
    for (char c : sectionName) {
        const auto byte = static_cast<unsigned char>(c);
        if (NeedsEscape(byte)) {
            name += '%';
            name += kHex[byte >> 4];
            name += kHex[byte & 0xF];
        } else {
            name += c;
        }
    }
    name += extension;
    return name;
}

std::string WorkFileName(std::string_view sectionName, int sectionKind, std::string_view extension) {
    // Section kinds: 1 procedure, 2 screen, 3 menu.
    std::string name = WorkFileName(sectionName, {});
    if (sectionKind == 1) name += "%procedure";
    if (sectionKind == 3) name += "%menu";
    name += extension;
    return name;
}

WorkFileDirectory::WorkFileDirectory(std::string temporaryRoot) : root_(std::move(temporaryRoot)) {}

WorkFileDirectory::~WorkFileDirectory() { RemoveIfEmpty(); }

bool WorkFileDirectory::Ensure() {
    if (!path_.empty()) return true;
    if (!platform::ScratchStep()) return false;
    if (!platform::CreateUniqueDirectory(root_, texts::kWorkDirectoryPrefix, path_)) return false;
    WriteOwner();
    return true;
}

void WorkFileDirectory::SetOwner(std::string ownerText) {
    owner_ = std::move(ownerText);
    if (!path_.empty()) WriteOwner();
}

void WorkFileDirectory::WriteOwner() const {
    // Only recovery after a crash reads it: a failure costs no work file.
    if (!owner_.empty()) platform::ReplaceScratchFile(platform::JoinPath(path_, kWorkFolderOwnerFile), owner_);
}

std::string WorkFileDirectory::FilePath(std::string_view sectionName, std::string_view extension) {
    if (!Ensure()) return {};
    return platform::JoinPath(path_, WorkFileName(sectionName, extension));
}

std::string WorkFileDirectory::FilePath(std::string_view sectionName, int sectionKind, std::string_view extension) {
    if (!Ensure()) return {};
    return platform::JoinPath(path_, WorkFileName(sectionName, sectionKind, extension));
}

void WorkFileDirectory::RemoveIfEmpty() {
    if (path_.empty()) return;
    std::error_code error;
    const std::string owner = platform::JoinPath(path_, kWorkFolderOwnerFile);
    if (std::filesystem::exists(owner, error)) {
        // The owner file goes only with the last work file.
        int entries = 0;
        for (auto entry = std::filesystem::directory_iterator(path_, error);
             !error && entry != std::filesystem::directory_iterator() && entries < 2; entry.increment(error)) {
            ++entries;
        }
        if (error || entries != 1) return;
        std::filesystem::remove(owner, error);
    }
    if (std::filesystem::is_empty(path_, error) && !error) {
        std::filesystem::remove(path_, error);
        path_.clear();
    }
}

}  // namespace overrides
