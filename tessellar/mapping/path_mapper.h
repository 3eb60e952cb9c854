#pragma once
// Translating server paths to client paths and back, through the share
// mappings of the command line, the persistent directory table, and finally
// the user, who is asked to map one of the path's directories.

#include <functional>
#include <optional>
#include <string>

#include "tessellar/mapping/directory_mappings.h"
#include "tessellar/mapping/share_mappings.h"
#include "tessellar/settings/registry_access.h"

namespace mapping {

enum class MappingDirection { ServerToClient, ClientToServer };

struct MappingRequest {
    MappingDirection direction = MappingDirection::ServerToClient;
    std::string file;  // the path in question; empty when there is none
    unsigned use = kUseAll;
};

// Asks the user to map one of the listed directories (the Network Mapping
// dialog). Returns the chosen entry's server directory (ServerToClient) or
// client path (ClientToServer), or nothing when the user cancels.
using MappingPrompt = std::function<std::optional<std::string>(const MappingRequest&, DirectoryMappings&)>;

class PathMapper {
public:
    PathMapper(settings::RegistryAccess& registry, MappingPrompt prompt);

    ShareMappings& Shares() { return shares_; }
    const ShareMappings& Shares() const { return shares_; }
    DirectoryMappings& Directories() { return directories_; }

    // The shares first, then the directory table or the user. On failure, and
    // for a path that is not a server path, the path stays as it was.
    bool MapToClient(std::string& path, unsigned use);
    bool MapByShares(std::string& path) const { return shares_.MapToClient(path); }
    // From the deepest directory upwards, the first one the registry (or an
    // earlier answer of this run) maps decides; when none does, the user is
    // asked. Paths of a single level ("/a.op6") are never mapped here.
    bool MapByDirectoriesOrAsk(std::string& path, unsigned use);

    // A client file to the server path the runtime will use: the shares, then
    // the directory table, then the user. A result beginning with "/" has
    // every "\" turned into "/".
    bool MapToServer(std::string& path, unsigned use = kUseTriggerProgram);

private:
    std::optional<std::string> RegistryClientPath(std::string_view serverDirectory) const;
    std::optional<std::string> RegistryServerDirectory(std::string_view clientPath) const;
    std::optional<std::string> Ask(MappingDirection direction, const std::string& file, unsigned use);

    settings::RegistryAccess& registry_;
    MappingPrompt prompt_;
    ShareMappings shares_;
    DirectoryMappings directories_;
};

}  // namespace mapping
