#include "tessellar/canvas/render/canvas_placement.h"

#include <algorithm>

namespace canvas {

CanvasPlacement PlaceCanvas(const model::CScreenWnd& frame, CellMetrics cell, bool menuWindow) {
    CanvasPlacement placement;
    placement.leftColumn = frame.leftColumn;
    placement.topRow = frame.topRow - 1;
    placement.rightColumn = frame.rightColumn + 1;
    placement.bottomRow = frame.bottomRow + 1;
    placement.menuWindow = menuWindow;
    const int width = (placement.rightColumn - placement.leftColumn) * cell.width +
                      (menuWindow ? kMenuWindowExtraWidth : 0);
    const int height = (placement.bottomRow - placement.topRow) * cell.height + (menuWindow ? 0 : kWindowExtraHeight);
    placement.window = QRect(placement.leftColumn * cell.width, placement.topRow * cell.height, std::max(0, width),
                             std::max(0, height));
    return placement;
}

QSize ViewExtent(const model::CScreenWnd& frame, CellMetrics cell) {
    return QSize((frame.rightColumn + 2) * cell.width, (frame.bottomRow + 1) * cell.height);
}

}  // namespace canvas
