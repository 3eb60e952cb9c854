#pragma once
// Comparing values of a field, as filters and allowed-value lists need, and
// recognising a range among literal values.

#include <string_view>
#include <utility>

#include "tessellar/pictures/size_word.h"

namespace pictures {

// Numbers closer than this count as equal.
inline constexpr double kNumberTolerance = 2e-8;

// -1, 0 or 1 as a is below, equal to or above b.
int CompareNumbers(double a, double b);
// Byte by byte (unsigned); trailing blanks and control characters do not count,
// so a value compares equal to itself padded to its field.
int CompareTexts(std::string_view a, std::string_view b);
// Two typed values of a field with this size word: as numbers for a numeric
// size word, else as texts.
int CompareValues(std::string_view a, std::string_view b, SizeWord size);

// The number at the start of a typed value, after leading blanks: an optional
// sign, digits and one decimal point; anything else reads as 0.
double NumberFromText(std::string_view text);

// A literal text with " to " in it is a range.
bool IsRangeText(std::string_view text);
// Low and high end of a range, split at the first " to "; a text that is no
// range gives itself twice.
std::pair<std::string_view, std::string_view> SplitRangeText(std::string_view text);

}  // namespace pictures
