#pragma once
// Where a data grid sits on the canvas and what it draws: its window over
// the review area, its header of column titles, its row and column rules.
// The grid itself draws no fields: the canvas draws them over it, shifted
// by the grid's horizontal scroll.

#include <QFont>
#include <QPainter>
#include <QRect>

#include "tessellar/canvas/render/cell_metrics.h"
#include "tessellar/model/review_area.h"

namespace canvas {

struct DataGridGeometry {
    QRect rect;                     // the grid window, in canvas pixels
    bool horizontalScroll = false;  // the columns are wider than the area
    int totalColumnWidth = 0;       // pixels
    int dataRows = 0;
    int ruleWidth = 0;              // how far the row rules reach, pixels
    int columnRuleBottom = 0;       // where the column rules end, grid pixels

    // How far the grid's content may scroll, in pixels.
    int ScrollRange() const { return totalColumnWidth > rect.width() ? totalColumnWidth - rect.width() : 0; }
};

// The header control is as wide as any screen can be.
inline constexpr int kGridHeaderWidth = 3000;

// scrollBarWidth: the system's vertical scroll bar width, which the grid
// leaves free at its right.
DataGridGeometry LayOutDataGrid(const model::CReviewArea& area, CellMetrics cell, int scrollBarWidth);

// The grid's horizontal scroll in cells: the review area keeps it in
// columns, the grid's scroll factor (1: no factor of its own) multiplies.
int GridShiftCells(const model::CReviewArea& area, int scrollFactor = 1);

// Draws the grid's window: background, header, row and column rules, and
// with a horizontal scroll its scroll bar strip. shift: the horizontal
// scroll in pixels.
void DrawDataGrid(QPainter& painter, const DataGridGeometry& grid, const model::CReviewArea& area,
                  CellMetrics cell, int shift, const QFont& headerFont);

}  // namespace canvas
