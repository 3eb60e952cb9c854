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
               bool& overlapping, bool suppressed = false) {
    Item* first = nullptr;
    for (Item& item : list) {
        if (item.suppressed.Current() != suppressed) continue;
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

// Walks the kinds in hit order, taking either shown or only hidden items;
// modes are never hidden that way.
ItemHit Walk(model::CScreenModel& model, PixelPoint p, CellSize cell, int gridShift, const PixelRect* gridWindow,
             bool suppressed) {
    ItemHit hit;
    if (cell.width <= 0 || cell.height <= 0) return hit;
    const bool outsideGrid = gridWindow != nullptr && !gridWindow->Contains(p);
    // An empty rectangle: a grid item is not hit outside the grid's window.
    const auto fieldCells = [&](const model::FieldItem& item, bool accept) {
        return item.inReviewArea && outsideGrid ? CellRect{} : ItemCells(item, accept, gridShift);
    };
    const auto displayCells = [&](const model::CDispText& d) { return fieldCells(d, false); };
    const auto acceptCells = [&](const model::CAcceptFld& a) { return fieldCells(a, true); };
    const auto optionCells = [](const model::COptionItem& o) { return ItemCells(o); };
    const auto modeCells = [](const model::CModeItem& m) { return ItemCells(m); };
    const auto boxCells = [](const model::CBoxItem& b) { return ItemCells(b); };
    bool& over = hit.overlapping;
    if ((hit.display = FirstHit(model.Displays(), p, cell, displayCells, hit.cells, over, suppressed))) {
        hit.kind = SelectionKind::Display;
    } else if ((hit.accept = FirstHit(model.Accepts(), p, cell, acceptCells, hit.cells, over, suppressed))) {
        hit.kind = SelectionKind::Accept;
    } else if ((hit.option = FirstHit(model.Options(), p, cell, optionCells, hit.cells, over, suppressed))) {
        hit.kind = SelectionKind::Option;
    } else if (!suppressed && (hit.mode = FirstHit(model.Modes(), p, cell, modeCells, hit.cells, over))) {
        hit.kind = SelectionKind::Mode;
    } else if ((hit.box = FirstHit(model.Boxes(), p, cell, boxCells, hit.cells, over, suppressed))) {
        hit.kind = SelectionKind::Box;
    }
    return hit;
}

}  // namespace

ItemHit HitTest(model::CScreenModel& model, PixelPoint p, CellSize cell, int gridShift, const PixelRect* gridWindow) {
    return Walk(model, p, cell, gridShift, gridWindow, false);
}

ItemHit SuppressedAt(model::CScreenModel& model, PixelPoint p, CellSize cell, int gridShift,
                     const PixelRect* gridWindow) {
    return Walk(model, p, cell, gridShift, gridWindow, true);
}

}  // namespace canvas::interaction
