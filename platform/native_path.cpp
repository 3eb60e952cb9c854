#include "platform/native_path.h"

namespace platform {

bool IsPathSeparator(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

std::string JoinPath(std::string_view directory, std::string_view name) {
    std::string joined(directory);
    if (joined.empty()) return std::string(name);
    while (!name.empty() && IsPathSeparator(name.front())) name.remove_prefix(1);
    if (!IsPathSeparator(joined.back())) joined.push_back(kNativeSeparator);
    joined.append(name);
    return joined;
}

}  // namespace platform
