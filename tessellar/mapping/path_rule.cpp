// The one client/server rule of every route.

#include "tessellar/mapping/path_rule.h"

#include <filesystem>
#include <system_error>

#include "tessellar/mapping/server_path.h"

namespace mapping {

bool NamesAPlaceHere(const std::string& path) {
    if (path.empty()) return false;
    std::error_code error;
    const std::filesystem::path file(path);
    if (std::filesystem::exists(file, error)) return true;
    // A relative path's directory is the working directory's own.
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    return !error && std::filesystem::is_directory(absolute.parent_path(), error);
}

PathResolution ResolvePath(std::string& path, MappingDirection toward, unsigned use, PathMapper& mapper) {
    if (toward == MappingDirection::ServerToClient) {
        if (!IsServerPath(path) || NamesAPlaceHere(path)) return PathResolution::Local;
        return mapper.MapToClient(path, use) ? PathResolution::Mapped : PathResolution::Kept;
    }
    // The mapper leaves the path as it was when it fails, and turns a "/"
    // result's separators whichever table answered.
    return mapper.MapToServer(path, use) ? PathResolution::Mapped : PathResolution::Kept;
}

}  // namespace mapping
