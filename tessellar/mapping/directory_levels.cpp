#include "tessellar/mapping/directory_levels.h"

namespace mapping {

namespace {

bool IsBareRoot(std::string_view directory) {
    return directory.empty() || directory == "/" || directory == "\\" || directory == "\\\\";
}

}  // namespace

std::vector<DirectoryLevel> DirectoryLevels(std::string_view path) {
    std::vector<DirectoryLevel> levels;
    std::string_view rest = path;
    while (true) {
        const std::size_t cut = rest.find_last_of("/\\");
        if (cut == std::string_view::npos) break;
        const std::string_view directory = path.substr(0, cut);
        if (!IsBareRoot(directory)) levels.push_back({std::string(directory), std::string(path.substr(cut + 1))});
        rest = rest.substr(0, cut);
    }
    return levels;
}

const DirectoryLevel* FindLevel(const std::vector<DirectoryLevel>& levels, std::string_view directory) {
    for (const DirectoryLevel& level : levels) {
        if (level.directory == directory) return &level;
    }
    return nullptr;
}

bool EndsWithSeparator(std::string_view path) {
    return !path.empty() && (path.back() == '/' || path.back() == '\\');
}

}  // namespace mapping
