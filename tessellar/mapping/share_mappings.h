#pragma once
// Share mappings from the command line ("-n srv progs=/usr/progs:data=/data"):
// the server directory /usr/progs is reached from the client as the share
// \\srv\progs. Kept in server directory order for the whole run.

#include <string>
#include <string_view>
#include <vector>

namespace mapping {

struct ShareMapping {
    std::string host;
    std::string share;            // up to 80 characters
    std::string serverDirectory;  // up to 80 characters
};

class ShareMappings {
public:
    // Takes the "-n" option's text: a host name, a blank, then the mappings.
    void AddFromOption(std::string_view option);
    // Takes "share=directory" entries separated by ":", each split at its last "=".
    void Add(std::string_view host, std::string_view list);
    void Add(ShareMapping mapping);

    const std::vector<ShareMapping>& Mappings() const { return mappings_; }

    // Server path to its UNC form, "\\host\share\" and the rest of the path.
    // The deepest directory that a mapping covers decides; it fails when that
    // mapping has no host or share or the path names the directory itself.
    bool MapToClient(std::string& path) const;
    // Client path under "\\host\share" (compared without regard to case) to
    // the mapped server directory and the rest of the path.
    bool MapToServer(std::string& path) const;

private:
    std::vector<ShareMapping> mappings_;
};

}  // namespace mapping
