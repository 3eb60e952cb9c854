#pragma once
// What every item's draw operation receives: the painter, the cell metrics,
// the screen it belongs to, the highlight switch, and the placed data grid
// that shifts and clips the items inside it.

#include <QPainter>
#include <QRect>

#include <optional>
#include <unordered_map>

#include "tessellar/canvas/render/cell_metrics.h"
#include "tessellar/canvas/render/data_grid_geometry.h"
#include "tessellar/model/screen_model.h"

namespace canvas {

// The pixel rectangle each item was last drawn in, for hit testing.
using ItemRectangles = std::unordered_map<const void*, QRect>;

struct PaintContext {
    PaintContext(QPainter& painterIn, CellMetrics cellIn, const model::CScreenModel& modelIn)
        : painter(painterIn), cell(cellIn), model(modelIn) {}

    QPainter& painter;
    CellMetrics cell;
    const model::CScreenModel& model;
    bool highlight = false;        // "Highlight Changes" is on
    bool menuWindow = false;       // a pull-down menu window
    model::ColourPair buttonColours{model::colour::kBlack, model::colour::kSilver};  // the application's "button"
    std::optional<DataGridGeometry> grid;  // the placed data grid, when the screen shows one
    int gridShift = 0;             // the grid's horizontal scroll, pixels
    ItemRectangles* rectangles = nullptr;

    // Whether an item of the review area lies in a graphical data grid.
    bool InGrid(bool inReviewArea) const { return inReviewArea && grid.has_value(); }
    void Remember(const void* item, const QRect& rect) const {
        if (rectangles) (*rectangles)[item] = rect;
    }
};

}  // namespace canvas
