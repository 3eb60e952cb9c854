#pragma once

#include <cstddef>
#include <string>
#include <string_view>
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

// A text holding a line end or a carriage return would break the one
// statement line it is written into, so no pair may hold one.
inline bool HoldsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }
inline bool HoldsLineBreak(const ReplacementPair& pair) {
    return HoldsLineBreak(pair.find) || HoldsLineBreak(pair.replace);
}

// The text with its line ends and carriage returns shown as \n and \r, so a
// message about them stays on its line.
inline std::string ShowLineBreaks(std::string_view text) {
    std::string shown;
    for (const char c : text) {
        if (c == '\n') shown += "\\n";
        else if (c == '\r') shown += "\\r";
        else shown += c;
    }
    return shown;
}

}  // namespace promptsweep
