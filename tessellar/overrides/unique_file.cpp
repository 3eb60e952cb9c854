#include "tessellar/overrides/unique_file.h"

#include <chrono>
#include <cstdint>
#include <random>

#include "platform/native_path.h"

namespace overrides {

namespace {

constexpr int kNameAttempts = 32;

std::string RandomPart(std::mt19937_64& random) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::uint64_t value = random();
    std::string part;
    for (int digit = 0; digit < 10; ++digit) {
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

template <typename MakeName>
std::FILE* CreateFirstFree(MakeName makeName, std::string& path) {
    std::mt19937_64 random = SeededRandom();
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        path = makeName(RandomPart(random));
        // "x": fails when the name exists, so another's file is never opened.
        if (std::FILE* file = std::fopen(path.c_str(), "wbx")) return file;
    }
    path.clear();
    return nullptr;
}

}  // namespace

std::FILE* CreateUniqueFile(const std::string& directory, std::string_view prefix, std::string_view suffix,
                            std::string& path) {
    return CreateFirstFree(
        [&](const std::string& random) {
            return platform::JoinPath(directory, std::string(prefix) + random + std::string(suffix));
        },
        path);
}

std::FILE* CreateUniqueSibling(const std::string& path, std::string_view prefix, std::string& created) {
    return CreateFirstFree([&](const std::string& random) { return path + std::string(prefix) + random; }, created);
}

}  // namespace overrides
