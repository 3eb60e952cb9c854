#pragma once
// A mode of the mode line (or a program-wide mode).

#include <string>

#include "tessellar/model/cell_position.h"
#include "tessellar/model/colour_table.h"
#include "tessellar/model/font_description.h"
#include "tessellar/model/identification.h"
#include "tessellar/model/text_capacity.h"
#include "tessellar/model/tracked_value.h"
#include "tessellar/model/trigger_slots.h"

namespace model {

class CModeItem {
public:
    CModeItem();

    TrackedText label{kNameLength};
    TrackedText help{kHelpLineLength};
    TextSource labelSource = TextSource::None;
    std::string identifier;
    IdentificationKind identification = IdentificationKind::None;
    int width = 0;
    CellPosition position;            // on the mode line, relative to the screen origin
    ColourPair colours;
    Tracked<bool> suppressed{false};
    bool added = false;
    bool isDefault = false;           // the screen's default mode
    FontDescription font;
    TriggerSlots triggers;

    void SetIdentifier(std::string_view text) { identifier = platform::CutText(text, kNameLength); }
    bool IsChanged() const { return label.Changed() || help.Changed() || added; }
    // Takes back the original label and help line.
    void ResetToOriginal();
};

}  // namespace model
