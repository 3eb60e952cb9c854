#pragma once
// The colour scheme: eleven named entries of a foreground and a background
// ("dim" uses its foreground only), read from the current user's settings at
// start-up, and copied into every screen model.

#include <array>
#include <string_view>

#include "tessellar/model/colour_names.h"
#include "tessellar/model/colour_table.h"

namespace settings {

// In the order of a screen model's colour table.
enum class SchemeEntry {
    Reverse,
    Blink,
    Dim,
    Normal,
    DataCurr,
    DataNorm,
    DataStatic,
    DataReview,
    DataAltRow,
    Button,
    DefButton,
};
inline constexpr std::size_t kSchemeEntryCount = 11;

// The entries' value names, in the same order.
inline constexpr std::array<std::string_view, kSchemeEntryCount> kSchemeEntryNames{
    "reverse",    "blink",      "dim",        "normal", "datacurr",  "datanorm",
    "datastatic", "datareview", "dataaltrow", "button", "defbutton",
};

struct ColourScheme {
    std::array<model::ColourPair, kSchemeEntryCount> entries;
    // Set once any entry was named in the settings, parsed or not; screen
    // models copy the scheme only then.
    bool loaded = false;

    ColourScheme();

    const model::ColourPair& operator[](SchemeEntry entry) const { return entries[static_cast<std::size_t>(entry)]; }

    // Takes one settings value. Returns whether the name is an entry's.
    bool ApplyValue(std::string_view name, std::string_view text);

    // A screen model's colour table: each entry's foreground and background
    // in entry order, without a background for "dim".
    model::ColourTable ToColourTable() const;
};

}  // namespace settings
