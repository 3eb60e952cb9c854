#include "tessellar/overrides/work_file_directory.h"

#include <filesystem>
#include <system_error>

#include "platform/native_path.h"
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
    return platform::CreateUniqueDirectory(root_, texts::kWorkDirectoryPrefix, path_);
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
    if (std::filesystem::is_empty(path_, error) && !error) {
        std::filesystem::remove(path_, error);
        path_.clear();
    }
}

}  // namespace overrides
