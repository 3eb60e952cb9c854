#pragma once
// Which item of a screen lies under a canvas point: kinds are tried in the
// order display text, entry field, menu option, mode, box, and within a
// kind in list order; suppressed items are skipped. Also each item's cell
// rectangle, the area the hit test and the selection use.

#include "tessellar/canvas/interaction/pixel_geometry.h"
#include "tessellar/model/screen_model.h"

namespace canvas::interaction {

// The selected kind, with the codes the canvas keeps: 21, 23 and 24 are
// given to newly placed items, which show no handles.
enum class SelectionKind : int {
    None = 0,
    Display = 1,
    Accept = 2,
    Option = 3,
    Mode = 4,
    Window = 16,  // the screen's window, picked on its title bar
    Box = 19,
    ScreenTitle = 20,
    PlacedHorizontal = 21,
    Placed23 = 23,
    Placed24 = 24,
};

// Left column, top row, right column, bottom row; right and bottom are
// exclusive, so a one-cell item spans one column and one row.
struct CellRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    PixelRect Pixels(CellSize cell) const {
        return {left * cell.width, top * cell.height, right * cell.width, bottom * cell.height};
    }
    bool operator==(const CellRect&) const = default;
};

// Entry fields narrower than this count one cell wider.
inline constexpr int kNarrowAcceptWidth = 3;

// Where an item is hit, in cells; an item in the review area of a data
// grid sits `gridShift` columns further left (the grid's horizontal scroll).
CellRect ItemCells(const model::FieldItem& item, bool accept, int gridShift = 0);
CellRect ItemCells(const model::COptionItem& item);
CellRect ItemCells(const model::CModeItem& item);
CellRect ItemCells(const model::CBoxItem& item);

struct ItemHit {
    SelectionKind kind = SelectionKind::None;
    model::CDispText* display = nullptr;
    model::CAcceptFld* accept = nullptr;
    model::COptionItem* option = nullptr;
    model::CModeItem* mode = nullptr;
    model::CBoxItem* box = nullptr;
    CellRect cells;
    // A further item of the same kind also lies under the point: the two overlap.
    bool overlapping = false;

    explicit operator bool() const { return kind != SelectionKind::None; }
};

// gridWindow: where the data grid is drawn; its items are hit only there,
// as they are drawn only there (a scrolled grid hides some of them).
ItemHit HitTest(model::CScreenModel& model, PixelPoint p, CellSize cell, int gridShift = 0,
                const PixelRect* gridWindow = nullptr);

// The test behind unsuppressing: the first suppressed display, entry
// field, option or box under the point, in that order.
ItemHit SuppressedAt(model::CScreenModel& model, PixelPoint p, CellSize cell, int gridShift = 0,
                     const PixelRect* gridWindow = nullptr);

}  // namespace canvas::interaction
