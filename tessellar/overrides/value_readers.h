#pragma once
// Reading the values of key lines: integers, pairs, booleans, colour pairs,
// attribute lists, defaults and the trigger words.

#include <optional>
#include <string>
#include <string_view>

#include "tessellar/model/attribute_flags.h"
#include "tessellar/model/colour_table.h"

namespace overrides {

// Decimal, after optional leading blanks and a sign, up to the first other
// character; no digits give 0. Values beyond int are held at its limits.
int ReadInteger(std::string_view text);

struct IntegerPair {
    int first = 0;
    int second = 0;
};

// ROW,COL or WIDTH,HEIGHT: the text before the first comma and the text
// after the last one. A value without a comma is no pair.
std::optional<IntegerPair> ReadPair(std::string_view text);

// No character terminal shows a screen of more rows or columns than this;
// a coordinate or window size beyond it is out of range.
inline constexpr int kLargestScreenCells = 255;

// A pair as ReadPair reads it, or none when either number is beyond the
// largest screen: such a coordinate or size is not given.
std::optional<IntegerPair> ReadScreenPair(std::string_view text);

// True only for exactly "true"; "TRUE", "yes" and "false" are false.
bool ReadBoolean(std::string_view trimmedValue);

// FOREGROUND/BACKGROUND as colour names or decimal values. Nothing when the
// foreground is neither; a background that is neither is silver.
std::optional<model::ColourPair> ReadColourPair(std::string_view trimmedValue);

// Attribute words separated by ",", up to a newline or a "//" comment; items
// are compared exactly, unknown ones ignored. The word "prompt" sets the
// background bit, as the runtime reads it (the prompt mark it also names is
// model::TextNamesPrompt's).
model::AttributeFlags ReadAttributeList(std::string_view value);

// Default kinds: a quoted literal, a field name or number, a system value.
inline constexpr int kDefaultLiteral = 0;
inline constexpr int kDefaultFieldOrNumber = 1;
inline constexpr int kDefaultSystemValue = 2;

struct DefaultValue {
    int kind = kDefaultLiteral;
    std::string text;
};

// From the trimmed value, or for a quoted literal from the raw value unquoted.
DefaultValue ReadDefault(std::string_view trimmedValue, std::string_view rawValue);

// The code of a trigger point word (compared after lower-casing), or -1.
int TriggerPointCode(std::string_view word);
// The word of a trigger point code, or empty.
std::string_view TriggerPointWord(int code);

// The code of a trigger type word (compared exactly), or 0.
int TriggerTypeCode(std::string_view rawValue);
// The word of a trigger type code, or empty.
std::string_view TriggerTypeWord(int code);

}  // namespace overrides
