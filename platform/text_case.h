#pragma once
// Lower-casing as the file formats compare words: A-Z only, so the code
// page 1252 letters and every other byte stay as they are, whatever the
// locale says.

#include <string>
#include <string_view>

namespace platform {

inline char LowerCasedAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string LowerCased(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) c = LowerCasedAscii(c);
    return lowered;
}

}  // namespace platform
