#include "tessellar/mapping/directory_mappings.h"

#include <algorithm>

namespace mapping {

DirectoryMapping& DirectoryMappings::FindOrCreateByServer(std::string_view serverDirectory, unsigned use) {
    DirectoryMapping* mapping = FindByServer(serverDirectory);
    if (mapping == nullptr) mapping = &entries_.emplace_back(DirectoryMapping{std::string(serverDirectory), {}, 0});
    mapping->usage |= use;
    return *mapping;
}

DirectoryMapping& DirectoryMappings::FindOrCreateByClient(std::string_view clientPath, unsigned use) {
    DirectoryMapping* mapping = FindByClient(clientPath);
    if (mapping == nullptr) mapping = &entries_.emplace_back(DirectoryMapping{{}, std::string(clientPath), 0});
    mapping->usage |= use;
    return *mapping;
}

DirectoryMapping* DirectoryMappings::FindByServer(std::string_view serverDirectory) {
    for (DirectoryMapping& mapping : entries_) {
        if (!mapping.serverDirectory.empty() && mapping.serverDirectory == serverDirectory) return &mapping;
    }
    return nullptr;
}

DirectoryMapping* DirectoryMappings::FindByClient(std::string_view clientPath) {
    for (DirectoryMapping& mapping : entries_) {
        if (!mapping.clientPath.empty() && mapping.clientPath == clientPath) return &mapping;
    }
    return nullptr;
}

std::vector<DirectoryMapping*> DirectoryMappings::Matching(unsigned use) {
    std::vector<DirectoryMapping*> matching;
    for (DirectoryMapping& mapping : entries_) {
        if ((mapping.usage & use) != 0) matching.push_back(&mapping);
    }
    return matching;
}

std::vector<DirectoryMapping*> DirectoryMappings::ByServerDirectory(unsigned use) {
    auto ordered = Matching(use);
    std::stable_sort(ordered.begin(), ordered.end(), [](const DirectoryMapping* a, const DirectoryMapping* b) {
        return a->serverDirectory < b->serverDirectory;
    });
    return ordered;
}

std::vector<DirectoryMapping*> DirectoryMappings::ByClientPath(unsigned use) {
    auto ordered = Matching(use);
    std::stable_sort(ordered.begin(), ordered.end(), [](const DirectoryMapping* a, const DirectoryMapping* b) {
        return a->clientPath < b->clientPath;
    });
    return ordered;
}

}  // namespace mapping
