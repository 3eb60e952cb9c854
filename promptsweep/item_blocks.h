#pragma once
// The override statements the tool writes for one handed-over text, and the
// header of a new content file.

#include <string>

#include "promptsweep/replacement_pair.h"
#include "promptsweep/text_extraction.h"

namespace promptsweep {

// The block for one item, its values replaced with every pair; empty for
// the kinds that only keep a previous text.
std::string FormatItemBlock(const HandedItem& item, const PairList& pairs);

std::string FormatSectionOpen(std::string_view section);
std::string FormatSectionClose();

// The four header lines and the program line that start a new content file;
// `ascTime` ends in a line end, so an empty line follows the third line.
std::string FormatNewContentHeader(const std::string& userName, const std::string& ascTime,
                                   const std::string& programPath);

}  // namespace promptsweep
