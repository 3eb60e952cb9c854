#pragma once
// Cutting a text to the room its field gives it. Texts that are too long are
// cut, never rejected.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The text cut to at most maxLength characters.
inline std::string CutText(std::string_view text, std::size_t maxLength) {
    return std::string(text.substr(0, maxLength));
}

// The characters a fixed field of `capacity` bytes holds: the last byte is
// its terminator.
constexpr std::size_t FieldTextLength(std::size_t capacity) { return capacity == 0 ? 0 : capacity - 1; }

}  // namespace platform
