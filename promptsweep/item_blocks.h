#pragma once
// The override statements the tool writes for one handed-over text, and the
// header of a new content file.

#include <string>
#include <vector>

#include "promptsweep/replacement_pair.h"
#include "promptsweep/text_extraction.h"

namespace promptsweep {

// One value line of a block and the text it replaces.
struct ValueReplacement {
    const char* field = "";  // the statement's word: "text", "title" or "helpline"
    const char* kind = "";   // which text of the item: "display text", "entry field help", ...
    std::string oldText;
    std::string newText;
};

// The block for one item as lines: its keyword, its lines in the order they
// are written (without indentation), and the value lines among them with
// what they replace.
struct ItemBlock {
    std::string keyword;  // empty for the kinds that only keep a previous text
    std::string identification;  // the "name = …", "orig_text = …" or box "orig_coordinate = …" line, if any
    std::string coordinate;      // the "orig_coordinate = R,C" line of an accept or display, if any
    std::vector<std::string> lines;
    std::vector<ValueReplacement> values;
};

ItemBlock DescribeItemBlock(const HandedItem& item, const PairList& pairs);

// The block for one item, its values replaced with every pair; empty for
// the kinds that only keep a previous text.
std::string FormatItemBlock(const HandedItem& item, const PairList& pairs);
std::string FormatItemBlock(const ItemBlock& block);

std::string FormatSectionOpen(std::string_view section);
std::string FormatSectionClose();

// The four header lines and the program line that start a new content file;
// `ascTime` ends in a line end, so an empty line follows the third line.
std::string FormatNewContentHeader(const std::string& userName, const std::string& ascTime,
                                   const std::string& programPath);

}  // namespace promptsweep
