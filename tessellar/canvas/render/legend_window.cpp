#include "tessellar/canvas/render/legend_window.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPointer>

#include "tessellar/canvas/render/canvas_texts.h"
#include "tessellar/canvas/render/change_highlight.h"
#include "tessellar/canvas/render/pixel_drawing.h"

namespace canvas {

namespace {

QPointer<LegendWindow> openLegend;

constexpr int kWidthUnits = 183;
constexpr int kHeightUnits = 106;
constexpr int kFontHeight = 15;
constexpr int kSampleLeft = 7;
constexpr int kSampleRight = 70;
constexpr int kSampleHeight = 15;
constexpr int kFirstSampleTop = 13;
constexpr int kSampleSpacing = 20;
constexpr int kTextLeft = 90;

}  // namespace

QSize LegendSize(const QFont& dialogFont) {
    const QFontMetrics metrics(dialogFont);
    // A dialog unit is a quarter of the average character width across and
    // an eighth of the character height down.
    return QSize(kWidthUnits * metrics.averageCharWidth() / 4, kHeightUnits * metrics.height() / 8);
}

void PaintLegend(QPainter& painter, const QRect& client) {
    painter.fillRect(client, ToQColor(model::colour::kSilver));
    QFont font;
    font.setPixelSize(kFontHeight);
    font.setWeight(QFont::Normal);
    painter.setFont(font);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(ToQColor(model::colour::kBlack));
    int top = kFirstSampleTop;
    for (const ChangeCategory category : kChangeCategories) {
        Outline(painter, Corners(kSampleLeft, top, kSampleRight, top + kSampleHeight - 1), CategoryColour(category));
        painter.drawText(QRect(kTextLeft, top, client.width() - kTextLeft, kSampleHeight + 4),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, QString::fromLatin1(CategoryLegendText(category)));
        top += kSampleSpacing;
    }
}

LegendWindow* LegendWindow::Open(QWidget* parent) {
    if (!openLegend) {
        openLegend = new LegendWindow(parent);
        openLegend->show();
    }
    openLegend->raise();
    openLegend->activateWindow();
    return openLegend;
}

LegendWindow* LegendWindow::Instance() { return openLegend; }

LegendWindow::LegendWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromLatin1(texts::kLegendTitle));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(LegendSize(font()));
}

LegendWindow::~LegendWindow() = default;

void LegendWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintLegend(painter, rect());
}

}  // namespace canvas
