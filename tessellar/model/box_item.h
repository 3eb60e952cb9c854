#pragma once
// A box drawn on the screen, with an optional title.

#include "tessellar/model/font_description.h"
#include "tessellar/model/text_capacity.h"
#include "tessellar/model/tracked_value.h"

namespace model {

struct BoxCorners {
    int left = -1;
    int top = -1;
    int right = -1;
    int bottom = -1;

    bool operator==(const BoxCorners&) const = default;
};

class CBoxItem {
public:
    BoxCorners compiled;              // as stored; a statement finds the box by these
    Tracked<BoxCorners> corners;      // relative to the screen origin
    TrackedText title{kNameLength};
    bool statementFlag = false;       // the 3-D style of the box statement
    bool changed = false;             // resized or moved by the user
    Tracked<bool> suppressed{false};
    bool added = false;
    FontDescription font;

    bool IsChanged() const { return title.Changed() || changed; }
    void ResetToOriginal();
};

}  // namespace model
