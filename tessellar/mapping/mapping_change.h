#pragma once
// The user's new text for one entry of the Network Mapping dialog.

#include <string_view>

#include "platform/message_sink.h"
#include "tessellar/mapping/directory_mappings.h"
#include "tessellar/mapping/path_mapper.h"
#include "tessellar/settings/registry_access.h"

namespace mapping {

// The text becomes the entry's client path (ServerToClient) or server
// directory (ClientToServer), cut to the storable length, and the mapping is
// stored in the registry. A failure to store shows the system's text; a client
// path that is not an existing folder is pointed out. Blank text changes
// nothing and returns false.
bool ChangeMapping(DirectoryMapping& mapping, MappingDirection direction, std::string_view text,
                   settings::RegistryAccess& registry, platform::MessageSink& messages);

// The text the edit starts with: the value the user is about to change.
std::string_view MappingTextToEdit(const DirectoryMapping& mapping, MappingDirection direction);

}  // namespace mapping
