#include "tessellar/sheets/qt/colour_button.h"

#include <QColorDialog>
#include <QPainter>
#include <QPolygon>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace sheets {

QColor ToQColor(model::Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

model::Colour FromQColor(const QColor& colour) {
    return static_cast<model::Colour>(colour.red()) | (static_cast<model::Colour>(colour.green()) << 8) |
           (static_cast<model::Colour>(colour.blue()) << 16);
}

ColourButton::ColourButton(const QString& accessibleName, QWidget* parent) : QPushButton(parent) {
    setAccessibleName(accessibleName);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &ColourButton::Choose);
}

void ColourButton::SetColour(model::Colour colour) {
    colour &= model::colour::kMask;
    if (colour == colour_) return;
    colour_ = colour;
    update();
    emit ColourChanged(colour_);
}

QSize ColourButton::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    return {metrics.averageCharWidth() * 14, metrics.height() + 12};
}

void ColourButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    // The drop arrow takes a square at the right; the colour fills the rest.
    const QRect inner = rect().adjusted(5, 5, -5, -5);
    const int arrowWidth = inner.height();
    const QRect swatch = inner.adjusted(0, 0, -arrowWidth - 3, 0);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(ToQColor(colour_));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));

    const int centreX = inner.right() - arrowWidth / 2;
    const int centreY = inner.center().y();
    const int half = qMax(3, arrowWidth / 4);
    QPolygon arrow;
    arrow << QPoint(centreX - half, centreY - half / 2) << QPoint(centreX + half, centreY - half / 2)
          << QPoint(centreX, centreY + half / 2 + 1);
    painter.setBrush(palette().color(isEnabled() ? QPalette::WindowText : QPalette::Mid));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(arrow);
}

void ColourButton::Choose() {
    QColorDialog chooser(ToQColor(colour_), this);
    chooser.setObjectName(QStringLiteral("colourChooser"));
    chooser.setOption(QColorDialog::DontUseNativeDialog);
    if (chooser.exec() == QDialog::Accepted) SetColour(FromQColor(chooser.currentColor()));
}

}  // namespace sheets
