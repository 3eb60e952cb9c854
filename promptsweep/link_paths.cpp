#include "promptsweep/link_paths.h"

#include <filesystem>
#include <system_error>

namespace promptsweep {

namespace fs = std::filesystem;

namespace {
// As many links as the system itself follows in one path.
constexpr int kMostLinksInAChain = 40;
}  // namespace

std::string ResolvedPath(const std::string& path) {
    std::error_code error;
    const fs::path resolved = fs::canonical(path, error);
    return error ? std::string() : resolved.string();
}

bool LiesWithin(const std::string& resolved, const std::vector<std::string>& roots) {
    if (resolved.empty()) return false;
    for (const std::string& root : roots) {
        if (root.empty() || resolved.compare(0, root.size(), root) != 0) continue;
        // A whole component: /srv/progs holds /srv/progs/a, not /srv/progs2.
        if (resolved.size() == root.size() || resolved[root.size()] == fs::path::preferred_separator ||
            root.back() == fs::path::preferred_separator) {
            return true;
        }
    }
    return false;
}

bool IsLink(const std::string& path) {
    std::error_code error;
    return fs::is_symlink(fs::symlink_status(path, error));
}

std::string FinalLinkTarget(const std::string& path) {
    fs::path current = path;
    for (int hop = 0; hop < kMostLinksInAChain; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error))) return current.string();
        const fs::path target = fs::read_symlink(current, error);
        if (error) return {};
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return {};
}

}  // namespace promptsweep
