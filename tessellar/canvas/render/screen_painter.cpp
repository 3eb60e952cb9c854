#include "tessellar/canvas/render/screen_painter.h"

#include "tessellar/canvas/render/item_drawing.h"
#include "tessellar/canvas/render/pixel_drawing.h"

namespace canvas {

namespace {

constexpr int kNormalBackgroundEntry = 7;
const QColor kMenuFrameInner(238, 238, 238);

// A pull-down menu's 3-D frame inside its client rectangle.
void DrawMenuFrame(QPainter& painter, const QRect& client) {
    HorizontalLine(painter, client.left(), client.right(), client.bottom(), ToQColor(model::colour::kGrey));
    VerticalLine(painter, client.left(), client.top(), client.bottom(), ToQColor(model::colour::kGrey));
    HorizontalLine(painter, client.left(), client.right(), client.top(), ToQColor(model::colour::kWhite));
    VerticalLine(painter, client.right(), client.top(), client.bottom(), ToQColor(model::colour::kWhite));
    Outline(painter, client.adjusted(1, 1, -1, -1), kMenuFrameInner);
}

}  // namespace

QColor MenuWindowColour() { return QColor(240, 240, 240); }

void PaintScreen(QPainter& painter, const ScreenPaintInputs& inputs) {
    if (inputs.model == nullptr) return;
    const model::CScreenModel& model = *inputs.model;
    PaintContext context{painter, inputs.cell, model};
    context.highlight = inputs.highlight;
    context.menuWindow = inputs.menuWindow;
    context.buttonColours = inputs.buttonColours;
    context.rectangles = inputs.rectangles;
    if (context.rectangles) context.rectangles->clear();

    painter.fillRect(inputs.client, inputs.menuWindow ? MenuWindowColour()
                                                      : ToQColor(model.Colours().Entry(kNormalBackgroundEntry)));
    if (inputs.menuWindow) DrawMenuFrame(painter, inputs.client);

    if (const model::CReviewArea* area = model.ReviewArea()) {
        if (area->IsDataGrid()) {
            context.grid = LayOutDataGrid(*area, inputs.cell, inputs.scrollBarWidth);
            context.gridShift = GridShiftCells(*area, inputs.gridScrollFactor) * inputs.cell.width;
            DrawDataGrid(painter, *context.grid, *area, inputs.cell, context.gridShift,
                         ToQFont(ItemFont(model.CustomFont())));
        } else {
            DrawReviewArea(context, *area);
        }
    }
    for (const model::CAcceptFld& field : model.Accepts()) DrawAcceptField(context, field);
    for (const model::CDispText& display : model.Displays()) DrawDisplayText(context, display);
    for (const model::CModeItem& mode : model.Modes()) DrawModeButton(context, mode);
    for (const model::CBoxItem& box : model.Boxes()) DrawBox(context, box);
    if (inputs.menuWindow && model.Options().First() != nullptr) {
        DrawOptionHeaderStrip(context, *model.Options().First());
    }
    for (const model::COptionItem& option : model.Options()) DrawMenuOption(context, option);
}

}  // namespace canvas
