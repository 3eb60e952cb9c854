#pragma once
// A menu option: a labelled choice at a screen position.

#include <string>

#include "tessellar/model/cell_position.h"
#include "tessellar/model/colour_table.h"
#include "tessellar/model/font_description.h"
#include "tessellar/model/identification.h"
#include "tessellar/model/text_capacity.h"
#include "tessellar/model/tracked_value.h"
#include "tessellar/model/trigger_slots.h"

namespace model {

// The picture an option shows when the program names none.
inline constexpr int kDefaultOptionPicture = 4;

class COptionItem {
public:
    COptionItem();

    TrackedText label{kNameLength};
    TrackedText help{kHelpLineLength};
    TextSource labelSource = TextSource::None;
    std::string name;                     // the variable of a variable label
    CellPosition compiled;
    Tracked<CellPosition> position;       // relative to the screen origin
    IdentificationKind identification = IdentificationKind::None;
    int width = 0;
    bool noText = false;
    int pictureNumber = kDefaultOptionPicture;  // 1-18 and 22 select an option picture
    ColourPair colours;
    Tracked<bool> suppressed{false};
    FontDescription font;
    TriggerSlots triggers;

    void SetName(std::string_view text) { name = platform::CutText(text, kNameLength); }
    bool IsMoved() const { return position.Changed(); }
    bool IsChanged() const { return label.Changed() || help.Changed(); }
    void ResetToOriginal();
};

}  // namespace model
