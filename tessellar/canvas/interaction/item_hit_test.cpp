// The hit test of the canvas over a screen's items.

#include "tessellar/canvas/interaction/item_hit_test.h"

namespace canvas::interaction {

CellRect ItemCells(const model::FieldItem& item, bool accept, int gridShift) {
    const model::CellPosition at = item.position.Current();
    int width = item.width.Current();
    if (accept && width < kNarrowAcceptWidth) ++width;  // room for the cursor
    const int left = item.inReviewArea ? at.column - gridShift : at.column;
    return {left, at.row, left + width, at.row + 1};
}

CellRect ItemCells(const model::COptionItem& item) {
    const model::CellPosition at = item.position.Current();
    return {at.column, at.row, at.column + item.width, at.row + 1};
}

CellRect ItemCells(const model::CModeItem& item) {
    return {item.position.column, item.position.row, item.position.column + item.width, item.position.row + 1};
}

CellRect ItemCells(const model::CBoxItem& item) {
    const model::BoxCorners& c = item.corners.Current();
    return {c.left, c.top, c.right + 1, c.bottom + 1};
}

namespace {

// Walks one list: the first unsuppressed item under the point, and whether
// a second one is under it too.
template <typename Item, typename Cells>
Item* FirstHit(model::ItemList<Item>& list, PixelPoint p, CellSize cell, Cells cellsOf, CellRect& cells,
               bool& overlapping) {
    Item* first = nullptr;
    for (Item& item : list) {
        if (item.suppressed.Current()) continue;
        const CellRect rect = cellsOf(item);
        if (!rect.Pixels(cell).Contains(p)) continue;
        if (first != nullptr) {
            overlapping = true;
            break;
        }
        first = &item;
        cells = rect;
    }
    return first;
}

}  // namespace

ItemHit HitTest(model::CScreenModel& model, PixelPoint p, CellSize cell, int gridShift) {
    ItemHit hit;
    if (cell.width <= 0 || cell.height <= 0) return hit;
    if ((hit.display = FirstHit(model.Displays(), p, cell,
                                [&](const model::CDispText& d) { return ItemCells(d, false, gridShift); }, hit.cells,
                                hit.overlapping))) {
        hit.kind = SelectionKind::Display;
    } else if ((hit.accept = FirstHit(model.Accepts(), p, cell,
                                      [&](const model::CAcceptFld& a) { return ItemCells(a, true, gridShift); },
                                      hit.cells, hit.overlapping))) {
        hit.kind = SelectionKind::Accept;
    } else if ((hit.option = FirstHit(model.Options(), p, cell,
                                      [](const model::COptionItem& o) { return ItemCells(o); }, hit.cells,
                                      hit.overlapping))) {
        hit.kind = SelectionKind::Option;
    } else if ((hit.mode = FirstHit(model.Modes(), p, cell, [](const model::CModeItem& m) { return ItemCells(m); },
                                    hit.cells, hit.overlapping))) {
        hit.kind = SelectionKind::Mode;
    } else if ((hit.box = FirstHit(model.Boxes(), p, cell, [](const model::CBoxItem& b) { return ItemCells(b); },
                                   hit.cells, hit.overlapping))) {
        hit.kind = SelectionKind::Box;
    }
    return hit;
}

model::CDispText* SuppressedDisplayAt(model::CScreenModel& model, PixelPoint p, CellSize cell, int gridShift) {
    for (model::CDispText& item : model.Displays()) {
        if (item.suppressed.Current() && ItemCells(item, false, gridShift).Pixels(cell).Contains(p)) return &item;
    }
    return nullptr;
}

}  // namespace canvas::interaction
