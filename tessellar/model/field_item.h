#pragma once
// What entry fields and displays share: where the program put them, where
// they are now, how a statement finds them, their width and picture, their
// column order, and their membership of the review area or data grid.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "tessellar/model/cell_position.h"
#include "tessellar/model/font_description.h"
#include "tessellar/model/identification.h"
#include "tessellar/model/text_capacity.h"
#include "tessellar/model/tracked_value.h"
#include "tessellar/model/trigger_slots.h"

namespace model {

class CReviewArea;

class FieldItem {
public:
    virtual ~FieldItem() = default;
    FieldItem& operator=(const FieldItem&) = delete;

    CellPosition compiled;            // as the program stores it; a computed coordinate is 1
    Tracked<CellPosition> position;   // relative to the screen origin
    IdentificationKind identification = IdentificationKind::None;
    int tag = 0;                      // 0 = none
    Tracked<int> width{0};
    TrackedText picture{kNameLength};
    std::string defaultPicture;       // the type's own picture, up to 49 characters
    char typeLetter = 0;
    TrackedText columnNumber{kNameLength, "0"};  // data grid column order
    Tracked<bool> suppressed{false};
    bool added = false;               // added by the user
    bool inReviewArea = false;
    CReviewArea* reviewArea = nullptr;  // not owned
    int gridColumnKey = -1;           // the data grid column it made: its compiled column
    // Where the last statement that moved it inside the data grid put it
    // (relative column): the grid orders its columns by these.
    std::optional<int> statedGridColumn;
    FontDescription font;
    TriggerSlots triggers;

    void SetDefaultPicture(std::string_view text) { defaultPicture = platform::CutText(text, kDefaultPictureLength); }

    // The title a data grid shows over the item's column.
    virtual const std::string& GridColumnTitle() const = 0;

    bool IsMoved() const { return position.Changed(); }
    // Any customisation other than a move, a suppression or a trigger.
    virtual bool IsChanged() const;
    // Copies every original value to the current one.
    virtual void ResetToOriginal();

protected:
    explicit FieldItem(TriggerSlots itemTriggers) : triggers(std::move(itemTriggers)) {}
    // Copied only as a whole entry field or display; the copy still points
    // at the original's review area until its model relinks it.
    FieldItem(const FieldItem&) = default;
};

}  // namespace model
