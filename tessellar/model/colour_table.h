#pragma once
// Colours of items and the screen's table of 21 colours. A colour is a
// Windows colour value 0x00BBGGRR.

#include <array>
#include <cstdint>

#include "tessellar/model/attribute_flags.h"

namespace model {

using Colour = std::uint32_t;

namespace colour {
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kNavy = 0x800000;
inline constexpr Colour kGreen = 0x008000;
inline constexpr Colour kSilver = 0xC0C0C0;
inline constexpr Colour kGrey = 0x808080;
inline constexpr Colour kMask = 0xFFFFFF;
}  // namespace colour

struct ColourPair {
    Colour foreground = colour::kNavy;
    Colour background = colour::kSilver;

    bool operator==(const ColourPair&) const = default;
};

// A pair whose text would vanish (foreground equal to background) gets the
// complement of its foreground.
ColourPair Visible(ColourPair pair);

class ColourTable {
public:
    static constexpr int kEntries = 21;

    // Entries count from 1; a number outside 1..21 reads as black and is not stored.
    Colour Entry(int number) const;
    void SetEntry(int number, Colour value);

    // The pairs decoding gives display items (foreground, background).
    ColourPair InversePair() const { return {Entry(1), Entry(2)}; }
    ColourPair BlinkPair() const { return {Entry(3), Entry(4)}; }
    ColourPair BackgroundPair() const { return {Entry(5), Entry(7)}; }
    ColourPair NormalPair() const { return {Entry(6), Entry(7)}; }
    ColourPair DataPair() const { return {Entry(12), Entry(13)}; }
    ColourPair DataReviewPair() const { return {Entry(14), Entry(15)}; }

    bool operator==(const ColourTable&) const = default;

private:
    std::array<Colour, kEntries> entries_ = {
        colour::kWhite, colour::kNavy,                                     // 1, 2 inverse
        colour::kWhite, colour::kGreen,                                    // 3, 4 blink
        colour::kBlack, colour::kNavy,  colour::kSilver,                   // 5, 6, 7
        colour::kBlack, colour::kWhite, colour::kBlack, colour::kWhite,    // 8-11
        colour::kNavy,  colour::kSilver,                                   // 12, 13 data
        colour::kWhite, colour::kNavy,                                     // 14, 15 data review
        colour::kBlack, colour::kWhite, colour::kBlack, colour::kSilver,   // 16-19
        colour::kWhite, colour::kNavy,                                     // 20, 21
    };
};

// The colours a display item starts with, chosen by its attribute flags:
// inverse or underline, else blink, else background, else the data review
// flag, else the normal pair (the data pair for a value display carrying
// a data mark). Made visible.
ColourPair ColoursForAttributes(AttributeFlags flags, bool dataPair, const ColourTable& table);

}  // namespace model
