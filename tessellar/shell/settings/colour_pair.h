#pragma once
// A colour pair as the scheme and the items' colour properties write it:
// a foreground word, "/", a background word ("white/navy", "12345/navy").

#include <optional>
#include <string_view>

#include "tessellar/shell/settings/colour.h"

namespace shell {

struct ColourPair {
    ColourRef foreground;
    ColourRef background;
};

// Nothing when the foreground is neither a colour name nor a number; a
// background that is neither becomes silver.
std::optional<ColourPair> ParseColourPair(std::string_view text);

}  // namespace shell
