#pragma once
// Screens for drawing tests, built item by item, and the pixel checks the
// tests share. Expected pixels come from the same cell metrics the canvas
// measures, so the tests hold whichever font stands in for "Arial".

#include <QImage>

#include <memory>

#include "tessellar/canvas/render/cell_metrics.h"
#include "tessellar/canvas/render/screen_picture.h"
#include "tessellar/model/screen_model.h"

namespace canvas::testing {

inline const QColor kSilver(192, 192, 192);
inline const QColor kOrange(255, 128, 0);
inline const QColor kGreen(0, 128, 0);
inline const QColor kRed(255, 0, 0);
inline const QColor kYellow(255, 255, 0);
inline const QColor kGrey(128, 128, 128);
inline const QColor kWhite(255, 255, 255);
inline const QColor kBlack(0, 0, 0);
inline const QColor kNavy(0, 0, 128);
inline const QColor kEdgeShadow(172, 166, 155);

inline CellMetrics TestCell() { return MeasureCellMetrics(model::FontDescription{}); }

inline std::unique_ptr<model::CScreenModel> NewScreen() {
    auto screen = std::make_unique<model::CScreenModel>("TEST", 1, nullptr, 0, 0, model::ModelKind::Screen);
    screen->CreateFrame().Place(1, 2, 80, 24);
    screen->SetNeedsDecoding(false);
    return screen;
}

inline model::CAcceptFld& AddAccept(model::CScreenModel& screen, int row, int column, int width) {
    model::CAcceptFld& field = screen.AddAccept();
    field.position.SetBoth({row, column});
    field.width.SetBoth(width);
    return field;
}

inline model::CDispText& AddText(model::CScreenModel& screen, int row, int column, std::string_view text,
                                 bool valueDisplay = false) {
    model::CDispText& display = screen.AddDisplay();
    display.position.SetBoth({row, column});
    display.width.SetBoth(static_cast<int>(text.size()));
    display.text.SetBoth(text);
    display.dataDisplay = valueDisplay;
    return display;
}

inline QImage Render(const model::CScreenModel& screen, bool highlight = false) {
    PictureOptions options;
    options.highlight = highlight;
    return RenderCanvas(screen, TestCell(), options);
}

inline QColor Pixel(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

// Whether any pixel of the rectangle has the colour.
inline bool AnyPixel(const QImage& image, const QRect& area, const QColor& colour) {
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (image.pixelColor(x, y) == colour) return true;
        }
    }
    return false;
}

// The leftmost and rightmost column within the rectangle holding a pixel
// other than the background; -1 when there is none.
inline std::pair<int, int> InkColumns(const QImage& image, const QRect& area, const QColor& background) {
    int first = -1;
    int last = -1;
    const QRect inside = area.intersected(image.rect());
    for (int x = inside.left(); x <= inside.right(); ++x) {
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            if (image.pixelColor(x, y) != background) {
                if (first < 0) first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

// The number of rows within the rectangle that hold a pixel other than the background.
inline int InkHeight(const QImage& image, const QRect& area, const QColor& background) {
    int top = -1;
    int bottom = -1;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (image.pixelColor(x, y) != background) {
                if (top < 0) top = y;
                bottom = y;
                break;
            }
        }
    }
    return top < 0 ? 0 : bottom - top + 1;
}

}  // namespace canvas::testing
