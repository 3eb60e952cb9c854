#pragma once
// The longest text each kind of field holds. Texts are cut to these lengths
// (platform::CutText), never rejected.

#include <cstddef>

#include "platform/text_capacity.h"

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

}  // namespace model
