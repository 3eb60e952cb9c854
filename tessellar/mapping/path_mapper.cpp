#include "tessellar/mapping/path_mapper.h"

#include <algorithm>
#include <utility>

#include "tessellar/mapping/directory_levels.h"
#include "tessellar/mapping/server_path.h"
#include "tessellar/settings/registry_keys.h"

namespace mapping {

namespace {

// A client path and the rest of a server path. Windows client paths take the
// given separator; a POSIX client path ("/mnt/progs") always takes "/", since
// "\" is no separator there.
std::string JoinClientPath(const std::string& clientPath, const std::string& remainder, char separator) {
    if (EndsWithSeparator(clientPath)) return clientPath + remainder;
    const bool posix = clientPath.front() == '/' && clientPath.find('\\') == std::string::npos;
    return clientPath + (posix ? '/' : separator) + remainder;
}

// A server path that begins with "/" is a Unix path: "/" separators only.
void UseServerSeparators(std::string& path) {
    if (!path.empty() && path.front() == '/') std::replace(path.begin(), path.end(), '\\', '/');
}

std::string JoinServerPath(const std::string& serverDirectory, const std::string& remainder) {
    std::string result = serverDirectory;
    if (result.empty() || result.back() != '/') result += '/';
    result += remainder;
    UseServerSeparators(result);
    return result;
}

// Equal, or differing only by one trailing separator on either side.
bool SameClientDirectory(std::string_view a, std::string_view b) {
    if (a == b) return true;
    if (a.size() == b.size() + 1 && EndsWithSeparator(a)) return a.substr(0, b.size()) == b;
    if (b.size() == a.size() + 1 && EndsWithSeparator(b)) return b.substr(0, a.size()) == a;
    return false;
}

bool Storable(std::string_view path) { return !path.empty() && path.size() <= kMappingPathLimit; }

}  // namespace

PathMapper::PathMapper(settings::RegistryAccess& registry, MappingPrompt prompt)
    : registry_(registry), prompt_(std::move(prompt)) {}

bool PathMapper::MapToClient(std::string& path, unsigned use) {
    return IsServerPath(path) && (MapByShares(path) || MapByDirectoriesOrAsk(path, use));
}

std::optional<std::string> PathMapper::RegistryClientPath(std::string_view serverDirectory) const {
    auto clientPath = registry_.ReadString(settings::RegistryRoot::LocalMachine, settings::keys::kMapping, serverDirectory);
    if (!clientPath || !Storable(*clientPath)) return std::nullopt;
    return clientPath;
}

std::optional<std::string> PathMapper::RegistryServerDirectory(std::string_view clientPath) const {
    const auto values = registry_.EnumerateValues(settings::RegistryRoot::LocalMachine, settings::keys::kMapping);
    if (!values) return std::nullopt;
    for (const settings::RegistryValue& value : *values) {
        if (value.text && Storable(*value.text) && Storable(value.name) &&
            SameClientDirectory(*value.text, clientPath)) {
            return value.name;
        }
    }
    return std::nullopt;
}

std::optional<std::string> PathMapper::Ask(MappingDirection direction, const std::string& file, unsigned use) {
    if (!prompt_) return std::nullopt;
    return prompt_(MappingRequest{direction, file, use}, directories_);
}

bool PathMapper::MapByDirectoriesOrAsk(std::string& path, unsigned use) {
    if (!IsServerPath(path)) return false;
    const std::vector<DirectoryLevel> levels = DirectoryLevels(path);
    if (levels.empty()) return false;

    for (const DirectoryLevel& level : levels) {
        DirectoryMapping& mapping = directories_.FindOrCreateByServer(level.directory, use);
        if (auto clientPath = RegistryClientPath(level.directory)) mapping.clientPath = std::move(*clientPath);
        if (!mapping.clientPath.empty()) {
            path = JoinClientPath(mapping.clientPath, level.remainder, '\\');
            return true;
        }
    }

    const auto chosen = Ask(MappingDirection::ServerToClient, path, use);
    if (!chosen) return false;
    // The rest of the path is taken after the chosen directory, so choosing a
    // deeper directory than the shallowest one still gives the right file; a
    // directory that is none of the path's levels cannot translate it.
    const DirectoryLevel* level = FindLevel(levels, *chosen);
    const DirectoryMapping* mapping = directories_.FindByServer(*chosen);
    if (level == nullptr || mapping == nullptr || mapping->clientPath.empty()) return false;
    path = JoinClientPath(mapping->clientPath, level->remainder, '/');
    return true;
}

bool PathMapper::MapToServer(std::string& path, unsigned use) {
    if (shares_.MapToServer(path)) {
        UseServerSeparators(path);
        return true;
    }

    const std::vector<DirectoryLevel> levels = DirectoryLevels(path);
    if (levels.empty()) return false;

    for (const DirectoryLevel& level : levels) {
        DirectoryMapping& mapping = directories_.FindOrCreateByClient(level.directory, use);
        if (auto serverDirectory = RegistryServerDirectory(level.directory)) {
            mapping.serverDirectory = std::move(*serverDirectory);
        }
        if (!mapping.serverDirectory.empty()) {
            path = JoinServerPath(mapping.serverDirectory, level.remainder);
            return true;
        }
    }

    const auto chosen = Ask(MappingDirection::ClientToServer, path, use);
    if (!chosen) return false;
    const DirectoryLevel* level = FindLevel(levels, *chosen);
    const DirectoryMapping* mapping = directories_.FindByClient(*chosen);
    if (level == nullptr || mapping == nullptr || mapping->serverDirectory.empty()) return false;
    path = JoinServerPath(mapping->serverDirectory, level->remainder);
    return true;
}

}  // namespace mapping
