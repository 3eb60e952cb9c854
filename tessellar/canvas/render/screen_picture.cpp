#include "tessellar/canvas/render/screen_picture.h"

#include <QPainter>

#include "platform/qt/cp1252_text.h"
#include "tessellar/canvas/render/pixel_drawing.h"
#include "tessellar/canvas/render/screen_painter.h"

namespace canvas {

namespace {

const QColor kCaptionColour(0, 0, 128);
const QColor kCaptionTextColour(255, 255, 255);

QImage BlankImage(QSize size) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

void PaintClient(QPainter& painter, const model::CScreenModel& model, CellMetrics cell, const QRect& client,
                 const PictureOptions& options, ItemRectangles* rectangles) {
    ScreenPaintInputs inputs;
    inputs.model = &model;
    inputs.cell = cell;
    inputs.client = client;
    inputs.highlight = options.highlight;
    inputs.menuWindow = options.menuWindow;
    inputs.buttonColours = options.buttonColours;
    inputs.scrollBarWidth = options.scrollBarWidth;
    inputs.rectangles = rectangles;
    PaintScreen(painter, inputs);
}

}  // namespace

CanvasPlacement PlaceScreen(const model::CScreenModel& model, CellMetrics cell, bool menuWindow) {
    if (const model::CScreenWnd* frame = model.Frame()) return PlaceCanvas(*frame, cell, menuWindow);
    const model::CScreenWnd defaultFrame;
    return PlaceCanvas(defaultFrame, cell, menuWindow);
}

QImage RenderCanvas(const model::CScreenModel& model, CellMetrics cell, const PictureOptions& options,
                    ItemRectangles* rectangles) {
    const CanvasPlacement placement = PlaceScreen(model, cell, options.menuWindow);
    const QRect client = placement.ClientRect(cell);
    QImage image = BlankImage(client.size());
    QPainter painter(&image);
    PaintClient(painter, model, cell, client, options, rectangles);
    return image;
}

QImage RenderScreenWindow(const model::CScreenModel& model, CellMetrics cell, const PictureOptions& options) {
    const CanvasPlacement placement = PlaceScreen(model, cell, options.menuWindow);
    QImage image = BlankImage(placement.window.size());
    QPainter painter(&image);
    const int caption = placement.CaptionHeight(cell);
    if (caption > 0) {
        const QRect bar(0, 0, image.width(), caption);
        painter.fillRect(bar, kCaptionColour);
        painter.setFont(ToQFont(model::TitleBarFont(model.CustomFont())));
        painter.setPen(kCaptionTextColour);
        painter.drawText(bar.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         platform::QStringFromCp1252(model.Title().Current()));
    }
    painter.translate(0, caption);
    PaintClient(painter, model, cell, placement.ClientRect(cell), options, nullptr);
    return image;
}

}  // namespace canvas
