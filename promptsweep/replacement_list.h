#pragma once
// The specification list: one replacement pair per line, written
//     "Find String" , "Replace String"
// The list is read in pieces of at most 299 characters, as a 300-byte line
// buffer reads it, so a longer line is judged piece by piece.

#include <string>
#include <string_view>

#include "promptsweep/replacement_pair.h"

namespace promptsweep {

struct ReplacementList {
    bool ok = false;
    PairList pairs;      // every line becomes a pair, correct or not, in file order
    std::string output;  // the console lines of the parse (errors only)
};

ReplacementList ParseReplacementList(std::string_view content);

}  // namespace promptsweep
