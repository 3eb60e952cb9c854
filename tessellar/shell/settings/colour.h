#pragma once
// Colours as Windows colour references (red in the low byte) and the sixteen
// colour names shared by the colour scheme and the colour properties.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace shell {

using ColourRef = std::uint32_t;

constexpr ColourRef Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return ColourRef{red} | (ColourRef{green} << 8) | (ColourRef{blue} << 16);
}

struct NamedColour {
    std::string_view name;
    ColourRef value;
};

// In the index order of the property pages' colour lists; "fushia" is spelled so.
inline constexpr std::array<NamedColour, 16> kColourNames{{
    {"aqua", Rgb(0, 255, 255)},
    {"black", Rgb(0, 0, 0)},
    {"blue", Rgb(0, 0, 255)},
    {"fushia", Rgb(255, 0, 255)},
    {"green", Rgb(0, 128, 0)},
    {"grey", Rgb(128, 128, 128)},
    {"lime", Rgb(0, 255, 0)},
    {"maroon", Rgb(128, 0, 0)},
    {"navy", Rgb(0, 0, 128)},
    {"olive", Rgb(128, 128, 0)},
    {"purple", Rgb(128, 0, 128)},
    {"red", Rgb(255, 0, 0)},
    {"silver", Rgb(192, 192, 192)},
    {"teal", Rgb(0, 128, 128)},
    {"white", Rgb(255, 255, 255)},
    {"yellow", Rgb(255, 255, 0)},
}};

inline constexpr ColourRef kBlack = Rgb(0, 0, 0);
inline constexpr ColourRef kNavy = Rgb(0, 0, 128);
inline constexpr ColourRef kGreen = Rgb(0, 128, 0);
inline constexpr ColourRef kSilver = Rgb(192, 192, 192);
inline constexpr ColourRef kWhite = Rgb(255, 255, 255);

// The colour of an exact (already lower-cased) name.
std::optional<ColourRef> ColourFromName(std::string_view name);

// The index of a value among the sixteen names, or -1.
int ColourValueToIndex(ColourRef value);

}  // namespace shell
