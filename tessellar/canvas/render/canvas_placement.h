#pragma once
// Where the canvas window of a screen sits in the view: its cell rectangle
// (one row above the frame for the title, one column and row beyond it),
// its pixel rectangle, and the client area the paint pass fills.

#include <QRect>

#include "tessellar/canvas/render/cell_metrics.h"
#include "tessellar/model/screen_window.h"

namespace canvas {

// A pull-down menu window is wider by this, every other window taller.
inline constexpr int kMenuWindowExtraWidth = 18;
inline constexpr int kWindowExtraHeight = 3;

struct CanvasPlacement {
    int leftColumn = 0;
    int topRow = 0;
    int rightColumn = 0;
    int bottomRow = 0;
    bool menuWindow = false;
    QRect window;  // in the view, pixels

    // Height of the caption a screen window shows its title in; a menu
    // window has none.
    int CaptionHeight(CellMetrics cell) const { return menuWindow ? 0 : cell.height; }
    // The area the canvas paints, in its own coordinates.
    QRect ClientRect(CellMetrics cell) const {
        return QRect(0, 0, window.width(), window.height() - CaptionHeight(cell));
    }
};

CanvasPlacement PlaceCanvas(const model::CScreenWnd& frame, CellMetrics cell, bool menuWindow);

// The view's scroll extent for a frame: (right column + 2) cells wide,
// (bottom row + 1) cells high.
QSize ViewExtent(const model::CScreenWnd& frame, CellMetrics cell);

}  // namespace canvas
