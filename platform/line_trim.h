#pragma once
// Trimming the text of a line read from a file.

#include <string_view>

namespace platform {

// The text without the characters of codes up to 32 (blanks, tabs, line ends
// and other control characters) at either end.
inline std::string_view TrimControls(std::string_view text) {
    auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isControl(text.front())) text.remove_prefix(1);
    while (!text.empty() && isControl(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace platform
