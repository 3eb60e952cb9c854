#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace promptsweep {

// Find and replace strings, and every text the tool extracts or replaces,
// live in 300-character slots: 299 characters and a terminator.
inline constexpr std::size_t kTextCapacity = 299;
// Strings taken from the command line keep at most this many characters.
inline constexpr std::size_t kArgumentCapacity = 259;

struct ReplacementPair {
    std::string find;
    std::string replace;
};

// Tried and applied in order.
using PairList = std::vector<ReplacementPair>;

}  // namespace promptsweep
