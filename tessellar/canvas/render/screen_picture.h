#pragma once
// A screen drawn into an image instead of a window: the same paint pass
// the canvas runs, for pictures of customised screens and for tests.

#include <QImage>

#include "tessellar/canvas/render/canvas_placement.h"
#include "tessellar/canvas/render/paint_context.h"

namespace canvas {

struct PictureOptions {
    bool highlight = false;
    bool menuWindow = false;
    model::ColourPair buttonColours{model::colour::kBlack, model::colour::kSilver};
    int scrollBarWidth = 16;
};

// The placement of a model's canvas (a model without a frame gets the
// default 80 x 24 one).
CanvasPlacement PlaceScreen(const model::CScreenModel& model, CellMetrics cell, bool menuWindow);

// The canvas's client area, exactly as the window paints it.
QImage RenderCanvas(const model::CScreenModel& model, CellMetrics cell, const PictureOptions& options,
                    ItemRectangles* rectangles = nullptr);

// The whole canvas window: a screen window's caption with the title above
// the client area; a menu window has no caption.
QImage RenderScreenWindow(const model::CScreenModel& model, CellMetrics cell, const PictureOptions& options);

}  // namespace canvas
