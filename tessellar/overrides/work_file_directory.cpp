#include "tessellar/overrides/work_file_directory.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <random>
#include <system_error>

#include "platform/native_path.h"
#include "tessellar/overrides/override_texts.h"

namespace overrides {

namespace {

constexpr int kNameAttempts = 64;

std::string UniqueSuffix(std::mt19937_64& random) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::uint64_t value = random();
    std::string suffix;
    for (int digit = 0; digit < 12; ++digit) {
        suffix += kHex[value & 0xF];
        value >>= 4;
    }
    return suffix;
}

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
    std::random_device device;
    std::mt19937_64 random(device() ^
                           static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string candidate =
            platform::JoinPath(root_, std::string(texts::kWorkDirectoryPrefix) + UniqueSuffix(random));
        std::error_code error;
        // create_directory is false for a name that exists already: try another.
        if (std::filesystem::create_directory(candidate, error)) {
            std::filesystem::permissions(candidate, std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::replace, error);
            path_ = candidate;
            return true;
        }
        if (error) return false;
    }
    return false;
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
