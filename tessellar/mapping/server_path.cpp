#include "tessellar/mapping/server_path.h"

namespace mapping {

bool IsServerPath(std::string_view path) {
    if (path.empty() || path.find(':') != std::string_view::npos) return false;
    if (path.front() == '/' || path.front() == '$') return true;
    return path.front() == '\\' && (path.size() == 1 || path[1] != '\\');
}

}  // namespace mapping
