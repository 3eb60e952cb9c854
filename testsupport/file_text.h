#pragma once
// A file's bytes as a string, for tests that check what was written; a
// missing file reads as empty.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace testsupport {

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace testsupport
