#pragma once
// The display attributes of an item as one bit set, its word text (the
// `attributes` value of override statements) and the yes/no record the
// property pages edit.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace model {

using AttributeFlags = std::uint32_t;

namespace attribute {
inline constexpr AttributeFlags kBorder = 0x1;
inline constexpr AttributeFlags kSunken = 0x2;
inline constexpr AttributeFlags kBackground = 0x10;
inline constexpr AttributeFlags kInverse = 0x20;
inline constexpr AttributeFlags kUnderline = 0x40;
inline constexpr AttributeFlags kBold = 0x80;
inline constexpr AttributeFlags kBlink = 0x100;
inline constexpr AttributeFlags kItalic = 0x200;
inline constexpr AttributeFlags kCenter = 0x4000;
inline constexpr AttributeFlags kRight = 0x20000;
inline constexpr AttributeFlags kLeft = 0x40000;
inline constexpr AttributeFlags kFixed = 0x2000000;
// Set only by decoding: a review-screen column item, and a side mark of
// one-sided alignment. No word names them.
inline constexpr AttributeFlags kReviewColumn = 0x2000;
inline constexpr AttributeFlags kAlignmentMark = 0x800000;
// Comes with the compiled program only; selects the data review colours.
inline constexpr AttributeFlags kDataReview = 0x8000000;
}  // namespace attribute

// The attribute words of the flags, joined by ",", in their fixed order,
// with "prompt" last for a prompt. No flags give an empty text.
std::string AttributesToText(AttributeFlags flags, bool prompt);

// Reads a word list back: items separated by ",", up to the end, a line end
// or a "//" comment (with the blanks before it); each item compared exactly
// (no other blanks trimmed), unknown items ignored.
AttributeFlags TextToAttributes(std::string_view text);
// Whether the list names the prompt mark: the item "prompt", read as above.
bool TextNamesPrompt(std::string_view text);
// The items of a word list that TextToAttributes ignores (empty items aside).
std::vector<std::string> UnknownAttributeWords(std::string_view text);

// One yes/no per named flag, in the order the property pages show them.
struct AttributeRecord {
    bool bold = false;
    bool background = false;
    bool blink = false;
    bool underline = false;
    bool inverse = false;
    bool fixed = false;
    bool italic = false;
    bool left = false;
    bool center = false;
    bool right = false;
    bool sunken = false;
    bool border = false;

    bool operator==(const AttributeRecord&) const = default;
};

AttributeRecord AttributesToRecord(AttributeFlags flags);
AttributeFlags RecordToAttributes(const AttributeRecord& record);

}  // namespace model
