#pragma once
// The canvas's paint pass: the whole screen in one pass, in a fixed order
// (background, menu frame, review area or data grid, entry fields, display
// texts, modes, boxes, menu options), so that what the window shows and
// what a rendered picture shows are the same pixels.

#include <QPainter>
#include <QRect>

#include "tessellar/canvas/render/paint_context.h"

namespace canvas {

struct ScreenPaintInputs {
    const model::CScreenModel* model = nullptr;
    CellMetrics cell;
    QRect client;                  // the canvas's client area
    bool highlight = false;
    bool menuWindow = false;
    model::ColourPair buttonColours{model::colour::kBlack, model::colour::kSilver};
    int scrollBarWidth = 16;       // the system's vertical scroll bar width, for the data grid
    int gridScrollFactor = 1;
    ItemRectangles* rectangles = nullptr;
};

// The system colour a menu window is erased with.
QColor MenuWindowColour();

void PaintScreen(QPainter& painter, const ScreenPaintInputs& inputs);

}  // namespace canvas
