#include "tessellar/program/program_attributes.h"

namespace program {

namespace {

namespace word_bit {
constexpr std::uint16_t kSideMark = 0x2;
constexpr std::uint16_t kAlignRight = 0x4;
constexpr std::uint16_t kAlignCenter = 0x8;
constexpr std::uint16_t kItalic = 0x10;
constexpr std::uint16_t kBold = 0x20;
constexpr std::uint16_t kBlink = 0x40;
constexpr std::uint16_t kUnderline = 0x80;
constexpr std::uint16_t kInverse = 0x100;
constexpr std::uint16_t kBackground = 0x200;
constexpr std::uint16_t kFixed = 0x800;
constexpr std::uint16_t kNoBorder = 0x1000;
constexpr std::uint16_t kBorder = 0x2000;
constexpr std::uint16_t kColumn = 0x4000;
}  // namespace word_bit

// The flags that, when background is the only one of them, right-align a prompt.
constexpr model::AttributeFlags kPromptAlignmentMask = 0x641F1;
constexpr std::uint8_t kReviewScreen = 0x01;

}  // namespace

ItemAttributes MapProgramAttributes(std::uint16_t word, std::uint8_t screenFlags, bool inReviewArea) {
    using namespace model::attribute;
    ItemAttributes result;
    model::AttributeFlags& flags = result.flags;
    if (word != 0) {
        if (word & word_bit::kBold) {
            flags |= kBold;
        } else if (word & word_bit::kBackground) {
            flags |= kBackground;
            result.prompt = true;
        }
        if (word & word_bit::kBlink) flags |= kBlink;
        if (word & word_bit::kUnderline) flags |= kUnderline;
        if (word & word_bit::kInverse) flags |= kInverse;
        if (word & word_bit::kFixed) flags |= kFixed;
        if (word & word_bit::kItalic) flags |= kItalic;
        const bool right = (word & word_bit::kAlignRight) != 0;
        const bool center = (word & word_bit::kAlignCenter) != 0;
        if (right && center) {
            flags |= kLeft;
        } else if (right) {
            flags |= kRight;
        } else if (center) {
            flags |= kCenter;
        }
        if ((word & word_bit::kSideMark) && right != center) flags |= kAlignmentMark;
    }

    // A column of a review screen's review area shows no border of its own.
    const bool reviewColumn = (screenFlags & kReviewScreen) && inReviewArea;
    if (word & word_bit::kBorder) {
        if (!((word & word_bit::kColumn) && reviewColumn)) flags |= kBorder;
    } else if (!(word & word_bit::kNoBorder) && (word & word_bit::kColumn)) {
        if (!(flags & kBackground) && !reviewColumn) flags |= kBorder;
    }
    if ((flags & kPromptAlignmentMask) == kBackground) flags |= kRight;
    if ((word & word_bit::kColumn) && reviewColumn) flags |= kReviewColumn;
    return result;
}

}  // namespace program
