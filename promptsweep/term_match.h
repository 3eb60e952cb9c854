#pragma once
// Whole-term matching of find strings in prompt texts, and the replacement
// that rewrites every matching term.

#include <cstddef>
#include <string>
#include <string_view>

#include "promptsweep/replacement_pair.h"

namespace promptsweep {

// The first occurrence of a find string at or after a position, and whether
// it stands as a term of its own: at the start of the text or after one of
// blank, tab, - ; , : . # <, and followed by one of blank, tab, - ; , : . # >
// or the end of the text. Only the first occurrence is judged.
struct Occurrence {
    std::size_t position = std::string_view::npos;  // npos: none
    bool matches = false;
};

Occurrence JudgeFirstOccurrence(std::string_view text, std::string_view find, std::size_t from);

// True when the first occurrence of `find` in `text` is a term match. An
// empty find string matches nothing.
inline bool HasTermMatch(std::string_view text, std::string_view find) {
    return JudgeFirstOccurrence(text, find, 0).matches;
}

// Applies every pair in order, each to the previous pair's output; the
// result is cut to the 299 characters of a text slot.
std::string ReplaceTerms(std::string_view text, const PairList& pairs);

}  // namespace promptsweep
