#pragma once
// The specification list: one replacement pair per line, written
//     "Find String" , "Replace String"
// The list is read in pieces of at most 299 characters, as a 300-byte line
// buffer reads it, so a longer line is judged piece by piece.

#include <cstddef>
#include <string>
#include <string_view>

#include "promptsweep/replacement_pair.h"

namespace promptsweep {

struct ReplacementList {
    bool ok = false;
    PairList pairs;      // every line becomes a pair, correct or not, in file order
    std::string output;  // the console lines of the parse (errors only)
};

// A pair holding a line end or a carriage return is refused with its line.
ReplacementList ParseReplacementList(std::string_view content);

// The longest line a list may hold: a longer one is refused before parsing,
// as no pair could come of it. The number (from 1) of the first such line,
// or 0 when every line fits.
inline constexpr std::size_t kMaxListLineLength = 100000;
int FirstOverlongLine(std::string_view content);

}  // namespace promptsweep
