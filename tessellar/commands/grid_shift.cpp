#include "tessellar/commands/grid_shift.h"

#include <limits>

#include "tessellar/commands/item_reference.h"
#include "tessellar/overrides/item_placement.h"

namespace commands {

namespace {

// Where the program's order puts an item among the grid's columns: an added
// one comes after all of the program's own.
int ProgramRank(const model::FieldItem& item) {
    return item.added ? std::numeric_limits<int>::max() : item.compiled.column;
}

// Every display and entry field with the key a statement names it by.
template <typename Visit>
void EachField(const model::CScreenModel& model, Visit visit) {
    for (const model::CDispText& item : model.Displays()) visit(item, KeyOf(item));
    for (const model::CAcceptFld& item : model.Accepts()) visit(item, KeyOf(item));
}

bool AnyColumnStated(const model::CScreenModel& model) {
    bool stated = false;
    EachField(model, [&stated](const model::FieldItem& item, const ItemKey&) {
        stated = stated || (item.gridColumnKey != -1 && item.statedGridColumn);
    });
    return stated;
}

}  // namespace

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
    EachField(model, shift);
    return shifted;
}

std::optional<GridReturn> GridReturnOf(const model::CScreenModel& model, const model::FieldItem& item) {
    const model::CReviewArea* area = model.ReviewArea();
    if (area == nullptr || !model.IsDataGrid() || !item.inReviewArea || item.gridColumnKey != -1) return std::nullopt;
    if (!AnyColumnStated(model)) return std::nullopt;
    int at = area->columns.EndColumn(area->leftColumn);
    for (const model::ColumnEntry& entry : area->columns.Entries()) {
        if (entry.item != nullptr && ProgramRank(*entry.item) > ProgramRank(item)) {
            at = entry.position;
            break;
        }
    }
    const int width = item.width.Current();
    GridReturn back;
    const model::CellPosition own = overrides::AbsolutePosition(model, {item.position.Current().row, at});
    back.row = own.row;
    back.column = own.column;
    auto shift = [&](const model::FieldItem& other, ItemKey key) {
        if (other.gridColumnKey == -1) return;
        const model::CellPosition place = other.position.Current();
        if (place.column < at) return;
        const model::CellPosition moved = overrides::AbsolutePosition(model, {place.row, place.column + width});
        back.shifted.push_back({std::move(key), moved.row, moved.column});
    };
    EachField(model, shift);
    return back;
}

}  // namespace commands
