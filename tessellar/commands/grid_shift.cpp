#include "tessellar/commands/grid_shift.h"

#include "tessellar/commands/item_reference.h"
#include "tessellar/overrides/item_placement.h"

namespace commands {

std::vector<ShiftedItem> ItemsShiftedByGridMove(const model::CScreenModel& model, const model::FieldItem& item, int row,
                                                int column) {
    std::vector<ShiftedItem> shifted;
    const model::CReviewArea* area = model.ReviewArea();
    if (area == nullptr || !model.IsDataGrid() || item.gridColumnKey == -1) return shifted;
    const model::ColumnEntry* own = area->columns.FindByKey(item.gridColumnKey);
    // A column other items use too stays where it is.
    if (own == nullptr || own->useCount > 1) return shifted;
    const model::CellPosition to = overrides::RelativePosition(model, row, column);
    const bool staysInItsColumn = to.row == item.position.Current().row && to.column >= own->position &&
                                  to.column < own->position + own->width;
    if (staysInItsColumn) return shifted;
    auto shift = [&](const model::FieldItem& other, ItemKey key) {
        if (other.gridColumnKey == -1 || other.gridColumnKey == item.gridColumnKey) return;
        const model::CellPosition at = other.position.Current();
        if (at.column <= own->position) return;
        const model::CellPosition moved = overrides::AbsolutePosition(model, {at.row, at.column - own->width});
        shifted.push_back({std::move(key), moved.row, moved.column});
    };
    for (const model::CDispText& other : model.Displays()) shift(other, KeyOf(other));
    for (const model::CAcceptFld& other : model.Accepts()) shift(other, KeyOf(other));
    return shifted;
}

}  // namespace commands
