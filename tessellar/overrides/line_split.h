#pragma once
// Splitting a key line into its key and value, and the forms a value is read
// in: trimmed, raw, unquoted.

#include <cstddef>
#include <string>
#include <string_view>

namespace overrides {

// Keys and trimmed values are compared at most this long.
inline constexpr std::size_t kMatchLength = 79;

struct SplitLineResult {
    std::string key;    // trimmed, lower-cased (A-Z only), cut to 79
    std::string value;  // trimmed, cut to 79
};

// The key is the text before the first "=", the value the text after it; a
// line without "=" is all key. Both are trimmed of every character below
// "!" at both ends.
SplitLineResult SplitLine(std::string_view line);

// The text after the first "=", blanks and tabs after it skipped, up to the
// newline; trailing blanks are kept. Empty for a line without "=".
std::string_view RawValue(std::string_view line);

// A value that starts with a double quote loses it and is cut at the last
// double quote left in it; inner quotes survive, there is no escape. Any
// other value is taken as it stands.
std::string_view Unquote(std::string_view value);

}  // namespace overrides
