#pragma once
// Finds the prompt-like texts of a compiled program that hold a find string
// and hands each one, with what identifies its item, to the override writer.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "promptsweep/replacement_pair.h"
#include "tessellar/program/image/program_image.h"

namespace promptsweep {

// The kinds of text handed over. Titles, option texts and mode help lines
// (the odd kinds) are kept as the previous text of the item that follows and
// write nothing themselves.
enum ItemKind : int {
    kDisplayTitle = 1,
    kDisplayText = 2,
    kOptionText = 3,
    kOptionHelp = 4,
    kAcceptTitle = 5,
    kAcceptHelp = 6,
    kModeHelp = 7,
    kModeLabel = 8,
    kScreenTitle = 9,
    kBoxTitle = 10,
    kConfirmQuestion = 11,
    kMessagePart = 12,
};

struct HandedItem {
    int kind = 0;
    std::string_view section;     // "screen NAME", "menu NAME" or "procedure NAME"
    std::string_view name;        // the item's name, where its kind has one
    std::string_view text;        // the text tested last
    std::string_view previous;    // the companion text (title, option text, mode help)
    std::string_view coordinate;  // "orig_coordinate = R,C" of an accept or display, or empty
};

class HandOverTarget {
public:
    virtual ~HandOverTarget() = default;
    // Every text that holds a match asks for the new content file first.
    virtual void EnsureNewContent() = 0;
    virtual void HandOver(const HandedItem& item) = 0;
    // After each directory entry; closes the entry's section if one was opened.
    virtual void EndEntry() = 0;
};

// True when some text of the program's text table holds a term match.
bool PretestFinds(const program::ProgramImage& image, std::string_view find);

// Visits the titles, modes and top-level items of every entry, then its
// messages at any depth; returns whether any text matched.
bool VisitProgram(const program::ProgramImage& image, const PairList& pairs, HandOverTarget& target);

}  // namespace promptsweep
