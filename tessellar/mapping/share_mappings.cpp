#include "tessellar/mapping/share_mappings.h"

#include <algorithm>

#include "platform/line_trim.h"
#include "platform/text_case.h"
#include "tessellar/mapping/directory_levels.h"

namespace mapping {

namespace {

constexpr std::size_t kShareNameLimit = 80;
constexpr std::size_t kServerDirectoryLimit = 80;

// Equal, or one of them has a single extra trailing separator.
bool SameDirectory(std::string_view a, std::string_view b, char separator) {
    if (a == b) return true;
    if (a.size() == b.size() + 1 && a.back() == separator) return a.substr(0, b.size()) == b;
    if (b.size() == a.size() + 1 && b.back() == separator) return b.substr(0, a.size()) == a;
    return false;
}

}  // namespace

void ShareMappings::AddFromOption(std::string_view option) {
    std::size_t hostEnd = 0;
    while (hostEnd < option.size() && !platform::IsBlank(option[hostEnd])) ++hostEnd;
    std::size_t listBegin = hostEnd;
    while (listBegin < option.size() && platform::IsBlank(option[listBegin])) ++listBegin;
    Add(option.substr(0, hostEnd), option.substr(listBegin));
}

void ShareMappings::Add(std::string_view host, std::string_view list) {
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        const std::string_view entry = list.substr(0, colon);
        const std::size_t equals = entry.rfind('=');
        if (equals != std::string_view::npos) {
            Add({std::string(host), std::string(entry.substr(0, equals).substr(0, kShareNameLimit)),
                 std::string(entry.substr(equals + 1).substr(0, kServerDirectoryLimit))});
        }
        if (colon == std::string_view::npos) break;
        list.remove_prefix(colon + 1);
    }
}

void ShareMappings::Add(ShareMapping mapping) {
    // After any mapping of the same directory, so the first one given decides.
    const auto position = std::upper_bound(
        mappings_.begin(), mappings_.end(), mapping,
        [](const ShareMapping& a, const ShareMapping& b) { return a.serverDirectory < b.serverDirectory; });
    mappings_.insert(position, std::move(mapping));
}

bool ShareMappings::MapToClient(std::string& path) const {
    for (const DirectoryLevel& level : DirectoryLevels(path)) {
        for (const ShareMapping& mapping : mappings_) {
            if (!SameDirectory(mapping.serverDirectory, level.directory, '/')) continue;
            if (mapping.host.empty() || mapping.share.empty() || level.remainder.empty()) return false;
            path = "\\\\" + mapping.host + "\\" + mapping.share + "\\" + level.remainder;
            return true;
        }
    }
    return false;
}

bool ShareMappings::MapToServer(std::string& path) const {
    for (const DirectoryLevel& level : DirectoryLevels(path)) {
        const std::string directory = platform::LowerCased(level.directory);
        for (const ShareMapping& mapping : mappings_) {
            const std::string share = platform::LowerCased("\\\\" + mapping.host + "\\" + mapping.share);
            if (!SameDirectory(share, directory, '\\')) continue;
            std::string result = mapping.serverDirectory;
            if (result.empty() || result.back() != '/') result += '/';
            path = result + level.remainder;
            return true;
        }
    }
    return false;
}

}  // namespace mapping
