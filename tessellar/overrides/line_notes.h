#pragma once
// What the statement parser made of one line, for callers that report on an
// override file rather than apply it (scfcheck, the Problems panel): the key
// it recognised and the value it refused or cut. Parsing fills it only when
// asked; what the line does to the statement is the same either way.

#include <cstddef>
#include <string>
#include <string_view>

namespace overrides {

enum class LineProblem {
    None,
    UnknownKey,         // a word that is no key (nor a brace): the line is ignored
    NotAPair,           // a ROW,COL or WIDTH,HEIGHT value without a comma: the line is ignored
    OutOfRange,         // a pair beyond the largest screen: the line is ignored
    NotABoolean,        // neither "true" nor "false": reads as false
    UnknownColour,      // the foreground is no colour: the line is ignored
    UnknownBackground,  // the background is no colour: silver is taken
    UnknownAttribute,   // attribute words that name nothing: they are ignored
    UnknownWord,        // a trigger point or type word that names nothing
    Cut,                // a value longer than its field: cut
};

struct LineNotes {
    // The key as matched (one of the texts:: keys), or empty for a line
    // without a known key; `word` is the line's own key word, lower-cased.
    std::string_view key;
    std::string word;
    bool keyword = false;  // an item keyword line
    LineProblem problem = LineProblem::None;
    std::string detail;        // the value at fault (unknown words: the words, "|" between them)
    std::size_t length = 0;    // Cut: the value's length
    std::size_t capacity = 0;  // Cut: the characters kept

    void Clear() {
        key = {};
        word.clear();
        keyword = false;
        problem = LineProblem::None;
        detail.clear();
        length = 0;
        capacity = 0;
    }
};

}  // namespace overrides
