#include "tessellar/shell/settings/colour.h"

namespace shell {

std::optional<ColourRef> ColourFromName(std::string_view name) {
    for (const NamedColour& colour : kColourNames) {
        if (colour.name == name) return colour.value;
    }
    return std::nullopt;
}

int ColourValueToIndex(ColourRef value) {
    for (std::size_t index = 0; index < kColourNames.size(); ++index) {
        if (kColourNames[index].value == value) return static_cast<int>(index);
    }
    return -1;
}

}  // namespace shell
