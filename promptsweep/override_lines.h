#pragma once
// Line helpers shared by the override writer and the merge: first words,
// and the words that give a line its role.

#include <string>
#include <string_view>
#include <vector>

#include "platform/unified_diff.h"

namespace promptsweep {

// What a line says, as the customiser reads it: its text ends at a NUL
// byte; trimmed.
std::string_view LineText(std::string_view line);

// The text up to the first blank, tab or line end.
std::string_view FirstWord(std::string_view line);

// "screen", "menu" or "procedure" as the first word.
bool IsSectionLine(std::string_view trimmed);

// The whole trimmed line is one of the nine item keywords.
bool IsItemKeywordLine(std::string_view trimmed);

// Lines whose first word identifies an item ("orig_text", "name"), gives
// its original position ("orig_coordinate", also spelled
// "orig_coordinates"), or holds a value that replacements change.
bool IsIdentificationLine(std::string_view trimmed);
bool IsCoordinateLine(std::string_view trimmed);
enum class ValueLine { None, Text, Title, Helpline };
ValueLine ValueLineKind(std::string_view trimmed);

using platform::SplitLines;

}  // namespace promptsweep
