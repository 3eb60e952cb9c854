// The option pictures a menu entry can show: small drawn symbols, one per
// picture number the compiled program may name.

#include <QPainterPath>
#include <QPolygon>

#include <array>

#include "tessellar/canvas/render/item_drawing.h"
#include "tessellar/canvas/render/pixel_drawing.h"

namespace canvas {

namespace {

enum class Shape { Page, Folder, Person, List, Printer, Arrow, Circle, Diamond, Tick, Cross, Clock, Key };

struct OptionPicture {
    Shape shape;
    QRgb colour;
};

// Pictures 1 to 18; picture 22 follows them.
constexpr std::array<OptionPicture, 19> kPictures{{
    {Shape::Person, 0x2060c0},  {Shape::Page, 0x208040},   {Shape::List, 0x805020},   {Shape::Folder, 0xd0a020},
    {Shape::Printer, 0x404040}, {Shape::Arrow, 0xc02020},  {Shape::Circle, 0x2080a0}, {Shape::Diamond, 0x8040a0},
    {Shape::Tick, 0x20a040},    {Shape::Cross, 0xc03030},  {Shape::Clock, 0x3050a0},  {Shape::Key, 0xa08020},
    {Shape::Page, 0x4060a0},    {Shape::Folder, 0x60a060}, {Shape::List, 0x2060a0},   {Shape::Person, 0xa04060},
    {Shape::Circle, 0xc08020},  {Shape::Diamond, 0x208080}, {Shape::Arrow, 0x206020},
}};
constexpr int kLastNumberedPicture = 18;
constexpr int kExtraPicture = 22;

void DrawShape(QPainter& painter, const QRect& r, Shape shape, const QColor& colour) {
    painter.setPen(QPen(colour.darker(150), 1));
    painter.setBrush(colour);
    const int w = r.width();
    const int h = r.height();
    switch (shape) {
        case Shape::Page:
            painter.setBrush(Qt::white);
            painter.drawRect(r.adjusted(w / 5, 1, -w / 5, -1));
            for (int y = r.top() + h / 3; y < r.bottom() - 2; y += 3) {
                HorizontalLine(painter, r.left() + w / 5 + 2, r.right() - w / 5 - 2, y, colour);
            }
            break;
        case Shape::Folder:
            painter.drawRect(r.adjusted(1, h / 4, -1, -2));
            painter.drawRect(QRect(r.left() + 1, r.top() + h / 4 - 3, w / 3, 3));
            break;
        case Shape::Person:
            painter.drawEllipse(QRect(r.left() + w / 3, r.top() + 1, w / 3, h / 3));
            painter.drawChord(QRect(r.left() + 2, r.top() + h / 2, w - 4, h), 0, 180 * 16);
            break;
        case Shape::List:
            for (int y = r.top() + 3; y < r.bottom(); y += 4) {
                painter.fillRect(QRect(r.left() + 2, y, 2, 2), colour);
                HorizontalLine(painter, r.left() + 6, r.right() - 2, y, colour);
            }
            break;
        case Shape::Printer:
            painter.drawRect(r.adjusted(1, h / 3, -1, -h / 4));
            painter.setBrush(Qt::white);
            painter.drawRect(r.adjusted(w / 4, 1, -w / 4, -h * 2 / 3));
            painter.drawRect(r.adjusted(w / 4, h * 2 / 3, -w / 4, -1));
            break;
        case Shape::Arrow:
            painter.drawPolygon(QPolygon({QPoint(r.left() + 1, r.top() + h / 3), QPoint(r.center().x(), r.top() + h / 3),
                                          QPoint(r.center().x(), r.top() + 1), QPoint(r.right() - 1, r.center().y()),
                                          QPoint(r.center().x(), r.bottom() - 1),
                                          QPoint(r.center().x(), r.bottom() - h / 3),
                                          QPoint(r.left() + 1, r.bottom() - h / 3)}));
            break;
        case Shape::Circle: painter.drawEllipse(r.adjusted(2, 2, -2, -2)); break;
        case Shape::Diamond:
            painter.drawPolygon(QPolygon({QPoint(r.center().x(), r.top() + 1), QPoint(r.right() - 1, r.center().y()),
                                          QPoint(r.center().x(), r.bottom() - 1), QPoint(r.left() + 1, r.center().y())}));
            break;
        case Shape::Tick:
            painter.setPen(QPen(colour, 3));
            painter.drawPolyline(QPolygon({QPoint(r.left() + 3, r.center().y()), QPoint(r.center().x() - 1, r.bottom() - 3),
                                           QPoint(r.right() - 2, r.top() + 3)}));
            break;
        case Shape::Cross:
            painter.setPen(QPen(colour, 3));
            painter.drawLine(r.topLeft() + QPoint(3, 3), r.bottomRight() - QPoint(3, 3));
            painter.drawLine(r.topRight() + QPoint(-3, 3), r.bottomLeft() + QPoint(3, -3));
            break;
        case Shape::Clock:
            painter.setBrush(Qt::white);
            painter.drawEllipse(r.adjusted(1, 1, -1, -1));
            painter.drawLine(r.center(), QPoint(r.center().x(), r.top() + 4));
            painter.drawLine(r.center(), QPoint(r.right() - 5, r.center().y()));
            break;
        case Shape::Key:
            painter.drawEllipse(QRect(r.left() + 1, r.top() + h / 3, h / 3 + 1, h / 3 + 1));
            painter.fillRect(QRect(r.left() + h / 3 + 1, r.center().y() - 1, w - h / 3 - 3, 2), colour);
            painter.fillRect(QRect(r.right() - 4, r.center().y(), 2, 4), colour);
            break;
    }
}

}  // namespace

void DrawOptionPicture(QPainter& painter, const QRect& area, int pictureNumber) {
    int index = -1;
    if (pictureNumber >= 1 && pictureNumber <= kLastNumberedPicture) index = pictureNumber - 1;
    if (pictureNumber == kExtraPicture) index = kLastNumberedPicture;
    if (index < 0 || area.isEmpty()) return;
    const QRect square(area.topLeft(), QSize(std::min(area.width(), kOptionPictureSize),
                                             std::min(area.height(), kOptionPictureSize)));
    const OptionPicture& picture = kPictures[static_cast<std::size_t>(index)];
    painter.save();
    painter.setClipRect(square);
    painter.setRenderHint(QPainter::Antialiasing, true);
    DrawShape(painter, square, picture.shape, QColor::fromRgb(picture.colour));
    painter.restore();
}

}  // namespace canvas
