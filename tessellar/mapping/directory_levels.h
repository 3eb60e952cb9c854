#pragma once
// The directories of a path from the deepest to the shallowest, each with the
// rest of the path after it. A path is cut at its separators, "/" or "\" alike;
// the bare roots ("", "/", "\", "\\") are never levels.

#include <string>
#include <string_view>
#include <vector>

namespace mapping {

struct DirectoryLevel {
    std::string directory;
    std::string remainder;  // keeps its own separators
};

std::vector<DirectoryLevel> DirectoryLevels(std::string_view path);

// The level of that directory, or null when it is not one of the path's.
const DirectoryLevel* FindLevel(const std::vector<DirectoryLevel>& levels, std::string_view directory);

bool EndsWithSeparator(std::string_view path);

}  // namespace mapping
