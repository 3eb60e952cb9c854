#pragma once
// The program attribute word of a display or variable turned into the
// customiser's attribute flags.

#include <cstdint>

#include "tessellar/model/attribute_flags.h"

namespace program {

struct ItemAttributes {
    model::AttributeFlags flags = 0;
    bool prompt = false;  // the word gives background: the item is a prompt of the screen
};

// screenFlags is the entry's flags byte (bit 0 = review screen); inReviewArea
// tells whether the item lies in the screen's review area.
ItemAttributes MapProgramAttributes(std::uint16_t word, std::uint8_t screenFlags, bool inReviewArea);

}  // namespace program
