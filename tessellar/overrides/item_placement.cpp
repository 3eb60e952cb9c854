#include "tessellar/overrides/item_placement.h"

#include <algorithm>

namespace overrides {

namespace {

int OriginRow(const model::CScreenModel& model) { return model.Origin().row < 0 ? 1 : model.Origin().row; }
int OriginColumn(const model::CScreenModel& model) {
    return model.Origin().column < 0 ? 1 : model.Origin().column;
}

bool InReviewRows(const model::CReviewArea& area, int relativeRow) {
    const std::int64_t rows = std::int64_t{area.boxHeight} * area.repeatCount;
    return relativeRow >= area.firstRow && relativeRow < area.firstRow + rows;
}

bool OnDataGrid(const model::CScreenModel& model) { return model.IsDataGrid() && model.ReviewArea() != nullptr; }

}  // namespace

int ClampCell(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, -kLargestCell, kLargestCell));
}

model::CellPosition RelativePosition(const model::CScreenModel& model, int row, int column) {
    return {ClampCell(std::int64_t{row} - OriginRow(model)), ClampCell(std::int64_t{column} - OriginColumn(model))};
}

model::CellPosition AbsolutePosition(const model::CScreenModel& model, model::CellPosition relative) {
    return {ClampCell(std::int64_t{relative.row} + OriginRow(model)),
            ClampCell(std::int64_t{relative.column} + OriginColumn(model))};
}

void MoveFieldItem(model::CScreenModel& model, model::FieldItem& item, model::CellPosition relative) {
    item.position.SetCurrent(relative);
    if (!OnDataGrid(model)) return;
    const bool inside = InReviewRows(*model.ReviewArea(), relative.row);
    // A move within the grid to the free end makes the item the last column.
    if (inside && item.inReviewArea && item.gridColumnKey != -1) model.MoveGridItem(item, relative.column);
    if (inside && !item.inReviewArea) {
        item.inReviewArea = true;
        item.reviewArea = model.ReviewArea();
        if (!item.suppressed.Current()) ReturnToDataGrid(model, item);
    } else if (!inside && item.inReviewArea) {
        TakeOutOfDataGrid(model, item);
        item.inReviewArea = false;
        item.reviewArea = nullptr;
    }
    // Inside the grid the columns are packed: the grid decides the column.
    if (item.gridColumnKey != -1) model.PlaceGridItems(model::GridPlacement::CurrentOnly);
}

std::optional<int> FreeEndColumn(const model::CScreenModel& model, const model::FieldItem* item,
                                 model::CellPosition relative) {
    if (!OnDataGrid(model) || !InReviewRows(*model.ReviewArea(), relative.row)) return std::nullopt;
    const model::CReviewArea& area = *model.ReviewArea();
    int end = area.columns.EndColumn(area.leftColumn);
    if (item != nullptr) {
        // Only a field already in the grid moves to its end; one that comes
        // into it takes its compiled column's place.
        if (!item->inReviewArea || item->gridColumnKey == -1) return std::nullopt;
        const model::ColumnEntry* own = area.columns.FindByKey(item->gridColumnKey);
        if (own == nullptr) return std::nullopt;
        // Its column closes up behind it unless other items share it.
        if (own->useCount <= 1) end -= own->width;
    }
    if (relative.column < end) return std::nullopt;
    return end;
}

void TakeOutOfDataGrid(model::CScreenModel& model, model::FieldItem& item) {
    if (!OnDataGrid(model) || item.gridColumnKey == -1) return;
    model.UnregisterGridColumn(item);
    model.PlaceGridItems(model::GridPlacement::CurrentOnly);
}

void ReturnToDataGrid(model::CScreenModel& model, model::FieldItem& item) {
    if (!OnDataGrid(model) || !item.inReviewArea || item.gridColumnKey != -1) return;
    model.RegisterGridColumn(item, item.GridColumnTitle());
    model.PlaceGridItems(model::GridPlacement::CurrentOnly);
}

void FitReviewAreaToFrame(model::CScreenModel& model) {
    model::CReviewArea* area = model.ReviewArea();
    const model::CScreenWnd* frame = model.Frame();
    if (area == nullptr || frame == nullptr) return;
    area->rightColumn = ClampCell(std::int64_t{frame->rightColumn} - 1 - frame->leftColumn);
    area->box.right = area->rightColumn;
    if (area->IsDataGrid()) {
        area->horizontalScroll = std::int64_t{area->columns.EndColumn(area->leftColumn)} - 1 > area->rightColumn;
    }
}

}  // namespace overrides
