#include "tessellar/program/directory_damage.h"

#include "tessellar/program/image/chain_walk.h"
#include "tessellar/program/image/directory_entry.h"
#include "tessellar/program/image/program_header.h"

namespace program {

std::optional<std::string> DescribeDirectoryDamage(const ProgramImage& image) {
    const ProgramHeader header = ReadProgramHeader(image);
    std::uint64_t entries = 0;
    std::uint64_t blankNames = 0;
    std::uint32_t last = 0;
    for (ChainWalk walk(image, header.firstEntry, entry_field::kNext); std::uint32_t entry = walk.Next();) {
        ++entries;
        last = entry;
        const std::uint32_t name = ReadU24(image, std::uint64_t{entry} + entry_field::kName);
        if (name == 0 || name >= image.Size()) ++blankNames;
    }
    std::string said;
    // The walk ends at a next offset of 0 in a sound file; any other end skipped the rest.
    const std::uint32_t next = last != 0 ? ReadU24(image, std::uint64_t{last} + entry_field::kNext) : 0;
    if (next != 0) {
        said = "the directory stops after " + std::to_string(entries) + (entries == 1 ? " entry" : " entries") +
               (next >= image.Size() ? ": the next one lies outside the file"
                                     : ": the next one leads back to an entry already listed");
    }
    if (blankNames > 0) {
        if (!said.empty()) said += "; ";
        said += std::to_string(blankNames) + (blankNames == 1 ? " entry's name lies" : " entries' names lie") +
                " outside the file and " + (blankNames == 1 ? "shows" : "show") + " blank";
    }
    if (said.empty()) return std::nullopt;
    return said;
}

}  // namespace program
