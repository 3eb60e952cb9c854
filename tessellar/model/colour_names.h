#pragma once
// The sixteen colour names shared by the colour scheme, the colour
// properties and the `color` value, and the colour pair as they write it:
// a foreground word, "/", a background word ("white/navy", "12345/navy").

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "tessellar/model/colour_table.h"

namespace model {

constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Colour{red} | (Colour{green} << 8) | (Colour{blue} << 16);
}

struct NamedColour {
    std::string_view name;
    Colour value;
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

// The colour of an exact (already lower-cased) name.
std::optional<Colour> ColourFromName(std::string_view name);

// The index of a value among the sixteen names, or -1.
int ColourValueToIndex(Colour value);

// Nothing when the foreground is neither a colour name nor a number; a
// background that is neither becomes silver.
std::optional<ColourPair> ParseColourPair(std::string_view text);

}  // namespace model
