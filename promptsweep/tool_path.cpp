#include "promptsweep/tool_path.h"

#include "platform/native_path.h"

namespace promptsweep {

std::string JoinToolPath(const std::string& directory, const std::string& name) {
    std::string path;
    path.reserve(directory.size() + 1 + name.size());
    path.append(directory);
    path.push_back(platform::kNativeSeparator);
    path.append(name);
    return path;
}

}  // namespace promptsweep
