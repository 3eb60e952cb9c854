#pragma once
// The directory mappings met during a run: a server directory, the client
// path that reaches it, and the uses that needed it. The persistent table is
// the registry key "SOFTWARE\ORVALE\TESSEL\Mapping" (value name: server
// directory, data: client path); these entries are filled from it as the
// directories are looked up, and are what the Network Mapping dialog lists.

#include <list>
#include <string>
#include <string_view>
#include <vector>

namespace mapping {

// What a mapping was needed for; the bits of every use are or-ed together.
enum MappingUse : unsigned {
    kUseProgramPath = 1,
    kUseOverrideFile = 2,
    kUseTriggerProgram = 8,
    kUseAll = 255,
};

// Server directories and client paths longer than this are not stored.
inline constexpr std::size_t kMappingPathLimit = 512;

struct DirectoryMapping {
    std::string serverDirectory;
    std::string clientPath;
    unsigned usage = 0;
};

class DirectoryMappings {
public:
    // The entry of that server directory (or client path), created when
    // missing; the use is added to its mask.
    DirectoryMapping& FindOrCreateByServer(std::string_view serverDirectory, unsigned use);
    DirectoryMapping& FindOrCreateByClient(std::string_view clientPath, unsigned use);

    DirectoryMapping* FindByServer(std::string_view serverDirectory);
    DirectoryMapping* FindByClient(std::string_view clientPath);

    // The entries that share a bit with the use, ordered by server directory
    // or by client path.
    std::vector<DirectoryMapping*> ByServerDirectory(unsigned use);
    std::vector<DirectoryMapping*> ByClientPath(unsigned use);

    bool Empty() const { return entries_.empty(); }
    void Clear() { entries_.clear(); }

private:
    std::vector<DirectoryMapping*> Matching(unsigned use);

    std::list<DirectoryMapping> entries_;  // addresses stay valid while entries are added
};

}  // namespace mapping
