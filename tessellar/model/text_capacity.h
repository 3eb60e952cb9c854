#pragma once
// The longest text each kind of field holds. Texts are cut to these lengths,
// never rejected.

#include <cstddef>
#include <string>
#include <string_view>

namespace model {

inline constexpr std::size_t kNameLength = 79;            // names, labels, texts, pictures, titles
inline constexpr std::size_t kFieldNameLength = 80;       // field list entries and grid column titles
inline constexpr std::size_t kHelpLineLength = 99;
inline constexpr std::size_t kDefaultPictureLength = 49;
inline constexpr std::size_t kFilterLength = 419;
inline constexpr std::size_t kItemRunLineLength = 419;
inline constexpr std::size_t kValueListLength = 511;      // an entry field's allowed and disallowed texts
inline constexpr std::size_t kMessageLength = 511;
inline constexpr std::size_t kScreenRunLineLength = 511;

// The text cut to at most maxLength characters.
inline std::string CutText(std::string_view text, std::size_t maxLength) {
    return std::string(text.substr(0, maxLength));
}

}  // namespace model
