#include "tessellar/mapping/mapping_change.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "platform/line_trim.h"
#include "platform/message_format.h"
#include "tessellar/settings/registry_keys.h"
#include "tessellar/mapping/mapping_texts.h"

namespace mapping {

bool ChangeMapping(DirectoryMapping& mapping, MappingDirection direction, std::string_view text,
                   settings::RegistryAccess& registry, platform::MessageSink& messages) {
    if (platform::IsBlank(text)) return false;
    std::string& target =
        direction == MappingDirection::ServerToClient ? mapping.clientPath : mapping.serverDirectory;
    target = std::string(text.substr(0, kMappingPathLimit));

    if (!mapping.serverDirectory.empty()) {
        const settings::RegistryResult stored = registry.WriteString(settings::RegistryRoot::LocalMachine, settings::keys::kMapping,
                                                           mapping.serverDirectory, mapping.clientPath);
        if (!stored.ok) messages.ShowMessage(stored.errorText);
    }

    std::error_code error;
    if (!std::filesystem::is_directory(mapping.clientPath, error)) {
        messages.ShowMessage(platform::FormatText(texts::kPathDoesNotExist, mapping.clientPath.c_str()));
    }
    return true;
}

std::string_view MappingTextToEdit(const DirectoryMapping& mapping, MappingDirection direction) {
    return direction == MappingDirection::ServerToClient ? mapping.clientPath : mapping.serverDirectory;
}

}  // namespace mapping
