#include "tessellar/overrides/item_placement.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <vector>

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
    if (inside) {
        item.statedGridColumn = relative.column;
    } else {
        item.statedGridColumn.reset();
    }
    // Inside the grid the columns are packed: the grid decides the column.
    if (item.gridColumnKey != -1) model.PlaceGridItems(model::GridPlacement::CurrentOnly);
}

std::optional<int> FreeEndColumn(const model::CScreenModel& model, const model::FieldItem* item,
                                 model::CellPosition relative) {
    if (!OnDataGrid(model) || !InReviewRows(*model.ReviewArea(), relative.row)) return std::nullopt;
    const model::CReviewArea& area = *model.ReviewArea();
    int end = area.columns.EndColumn(area.leftColumn);
    // A field already in the grid leaves its column, which closes up behind
    // it unless other items share it; one that comes into the grid joins it
    // as an added one does.
    const model::ColumnEntry* own =
        item != nullptr && item->gridColumnKey != -1 ? area.columns.FindByKey(item->gridColumnKey) : nullptr;
    if (own != nullptr && own->useCount <= 1) end -= own->width;
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

void OrderGridAsStated(model::CScreenModel& model) {
    if (!OnDataGrid(model)) return;
    const model::ColumnList& columns = model.ReviewArea()->columns;
    // A column stands where a statement put one of its items, else where
    // the program's order packs it.
    std::map<int, int> stated;
    auto note = [&stated](const model::FieldItem& item) {
        if (item.gridColumnKey == -1 || !item.statedGridColumn) return;
        const auto [at, added] = stated.try_emplace(item.gridColumnKey, *item.statedGridColumn);
        if (!added) at->second = std::min(at->second, *item.statedGridColumn);
    };
    for (const model::CAcceptFld& item : model.Accepts()) note(item);
    for (const model::CDispText& item : model.Displays()) note(item);
    if (stated.empty()) return;
    const std::vector<model::ColumnEntry>& entries = columns.Entries();
    std::vector<int> place(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto found = stated.find(entries[i].key);
        place[i] = found != stated.end() ? found->second : entries[i].position;
    }
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&place](std::size_t a, std::size_t b) { return place[a] < place[b]; });
    if (std::is_sorted(order.begin(), order.end())) return;
    model.OrderGridColumns(order);
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
