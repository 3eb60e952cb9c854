#include "platform/unique_file.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <random>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/native_path.h"

namespace platform {

namespace {

constexpr int kNameAttempts = 64;

std::string RandomPart(std::mt19937_64& random) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::uint64_t value = random();
    std::string part;
    for (int digit = 0; digit < 12; ++digit) {
        part += kHex[value & 0xF];
        value >>= 4;
    }
    return part;
}

std::mt19937_64 SeededRandom() {
    std::random_device device;
    return std::mt19937_64(device() ^
                           static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

// Tries names until `create` makes one; `create` is false for a name taken
// and sets `stop` when no other name could do better.
template <typename MakeName, typename Create>
bool CreateFirstFree(MakeName makeName, Create create, std::string& path) {
    // Seeded once per thread: opening the system's random source for every
    // name costs more than making the file.
    thread_local std::mt19937_64 random = SeededRandom();
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        path = makeName(RandomPart(random));
        bool stop = false;
        if (create(path, stop)) return true;
        if (stop) break;
    }
    path.clear();
    return false;
}

std::FILE* OpenFirstFree(const std::function<std::string(const std::string&)>& makeName, std::string& path) {
    std::FILE* opened = nullptr;
    CreateFirstFree(
        makeName,
        [&opened](const std::string& candidate, bool&) {
            // "x": fails when the name exists, so another's file is never opened.
            opened = std::fopen(candidate.c_str(), "wbx");
            return opened != nullptr;
        },
        path);
    return opened;
}

}  // namespace

std::FILE* CreateUniqueFile(const std::string& directory, std::string_view prefix, std::string_view suffix,
                            std::string& path) {
    return OpenFirstFree(
        [&](const std::string& random) { return JoinPath(directory, std::string(prefix) + random + std::string(suffix)); },
        path);
}

std::FILE* CreateUniqueSibling(const std::string& path, std::string_view prefix, std::string& created) {
    return OpenFirstFree([&](const std::string& random) { return path + std::string(prefix) + random; }, created);
}

bool LinkUniqueName(const std::string& existing, const std::string& directory, std::string_view prefix,
                    std::string_view suffix, std::string& path) {
    auto makeName = [&](const std::string& random) {
        return JoinPath(directory, std::string(prefix) + random + std::string(suffix));
    };
    return CreateFirstFree(
        makeName,
        [&existing](const std::string& candidate, bool& stop) {
            std::error_code error;
            std::filesystem::create_hard_link(existing, candidate, error);
            // A name taken already: try another; any other failure stays.
            stop = error && error != std::errc::file_exists;
            return !error;
        },
        path);
}

bool CreateUniqueDirectory(const std::string& directory, std::string_view prefix, std::string& path) {
    return CreateFirstFree(
        [&](const std::string& random) { return JoinPath(directory, std::string(prefix) + random); },
        [](const std::string& candidate, bool& stop) {
            std::error_code error;
            // create_directory is false for a name that exists already: try another.
            if (std::filesystem::create_directory(candidate, error)) {
                std::filesystem::permissions(candidate, std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::replace, error);
                return true;
            }
            stop = static_cast<bool>(error);
            return false;
        },
        path);
}

bool IsPrivateDirectory(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) return false;
    return S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() && (status.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

}  // namespace platform
