// Where the canvas's add commands put a new item.

#include "tessellar/canvas/interaction/add_placement.h"

#include "tessellar/commands/command_checks.h"
#include "tessellar/overrides/item_placement.h"

namespace canvas::interaction {

namespace {

bool InReviewArea(const model::CScreenModel& model, model::CellPosition cell) {
    const model::CReviewArea* area = model.ReviewArea();
    if (!model.HasReview() || area == nullptr) return false;
    const int lastRow = area->firstRow + (area->repeatCount > 0 ? area->repeatCount : 1) - 1;
    return cell.row >= area->firstRow && cell.row <= lastRow && cell.column >= area->leftColumn &&
           cell.column <= area->rightColumn;
}

}  // namespace

AddPlacement PlaceAdd(const model::CScreenModel& model, AddKind kind, PixelPoint point, CellSize cell,
                      int gridShift) {
    const CellPoint under = CellUnder(point, cell);
    model::CellPosition relative{under.row, under.column};
    const model::CellPosition absolute = overrides::AbsolutePosition(model, relative);
    AddPlacement placement;
    switch (kind) {
        case AddKind::Prompt:
            placement.refusal = commands::CheckAddPromptAt(model, absolute.row, absolute.column);
            break;
        case AddKind::Field: placement.refusal = commands::CheckAddFieldAt(model, absolute.row, absolute.column); break;
        case AddKind::TriggerDisplay:
            placement.refusal = commands::CheckAddTriggerDisplayAt(model, absolute.row, absolute.column);
            break;
    }
    if (kind != AddKind::Prompt && InReviewArea(model, relative)) {
        // A field dropped anywhere in the area joins it on its first data row.
        relative.row = model.ReviewArea()->firstRow;
        if (model.IsDataGrid()) {
            relative.column += gridShift;
            placement.intoDataGrid = true;
        }
    }
    placement.at = overrides::AbsolutePosition(model, relative);
    return placement;
}

}  // namespace canvas::interaction
