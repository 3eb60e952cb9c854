#include "tessellar/canvas/render/cell_metrics.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace canvas {

namespace {

constexpr int kDefaultCellHeight = 15;  // what a height of 0 asks for
constexpr int kFixedPitch = 1;          // low bits of pitch and family

QFont::Weight WeightOf(int weight) {
    if (weight <= 0) return QFont::Normal;  // "don't care"
    return static_cast<QFont::Weight>(std::clamp(weight, 1, 1000));
}

}  // namespace

QFont ToQFont(const model::FontDescription& description) {
    QFont font(QString::fromStdString(description.faceName));
    font.setStyleHint((description.pitchAndFamily & 0x3) == kFixedPitch ? QFont::TypeWriter : QFont::SansSerif);
    font.setFixedPitch((description.pitchAndFamily & 0x3) == kFixedPitch);
    font.setWeight(WeightOf(description.weight));
    font.setItalic(description.italic);
    font.setUnderline(description.underline);
    font.setStrikeOut(description.strikeOut);
    font.setHintingPreference(QFont::PreferFullHinting);

    const int height = description.height == 0 ? kDefaultCellHeight : description.height;
    const int wanted = std::abs(height);
    font.setPixelSize(std::max(1, wanted));
    if (height > 0) {
        // A cell height: shrink the character size until ascent plus descent fit.
        const int measured = QFontMetrics(font).height();
        if (measured > wanted) {
            font.setPixelSize(std::max(1, static_cast<int>(std::lround(double(wanted) * wanted / measured))));
        }
    }
    if (description.width > 0) {
        const int average = QFontMetrics(font).averageCharWidth();
        if (average > 0) font.setStretch(std::clamp(description.width * 100 / average, 1, 4000));
    }
    return font;
}

CellMetrics MeasureCellMetrics(const QFont& screenFont, const QPaintDevice* device) {
    const QFontMetrics metrics = device ? QFontMetrics(screenFont, device) : QFontMetrics(screenFont);
    CellMetrics cell;
    cell.width = std::max(1, metrics.horizontalAdvance(QLatin1Char('M')) - 1);
    cell.height = metrics.height() + std::max(0, metrics.leading()) + 4;
    return cell;
}

CellMetrics MeasureCellMetrics(const model::FontDescription& screenFont) {
    return MeasureCellMetrics(ToQFont(screenFont));
}

}  // namespace canvas
