#pragma once
// Exact pixel drawing: rectangles are inclusive (left, top) to (right,
// bottom) as the cell rules give them, and lines are one pixel wide, drawn
// as fills so that no pen rounding moves them.

#include <QColor>
#include <QPainter>
#include <QRect>

#include "tessellar/model/colour_table.h"

namespace canvas {

// A colour value 0x00BBGGRR.
inline QColor ToQColor(model::Colour value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

// The rectangle from one corner to the other, both corners inside it.
inline QRect Corners(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

inline void HorizontalLine(QPainter& painter, int left, int right, int y, const QColor& colour) {
    if (right < left) return;
    painter.fillRect(QRect(left, y, right - left + 1, 1), colour);
}

inline void VerticalLine(QPainter& painter, int x, int top, int bottom, const QColor& colour) {
    if (bottom < top) return;
    painter.fillRect(QRect(x, top, 1, bottom - top + 1), colour);
}

// The one-pixel outline of a rectangle.
inline void Outline(QPainter& painter, const QRect& rect, const QColor& colour) {
    HorizontalLine(painter, rect.left(), rect.right(), rect.top(), colour);
    HorizontalLine(painter, rect.left(), rect.right(), rect.bottom(), colour);
    VerticalLine(painter, rect.left(), rect.top(), rect.bottom(), colour);
    VerticalLine(painter, rect.right(), rect.top(), rect.bottom(), colour);
}

// A filled rectangle with an outline of its own.
inline void FilledBox(QPainter& painter, const QRect& rect, const QColor& fill, const QColor& outline) {
    painter.fillRect(rect, fill);
    Outline(painter, rect, outline);
}

// Two-tone edge lines along a rectangle's border: the first colour along the
// top and left, the second along the bottom and right.
inline void EdgeLines(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight) {
    HorizontalLine(painter, rect.left(), rect.right(), rect.top(), topLeft);
    VerticalLine(painter, rect.left(), rect.top(), rect.bottom(), topLeft);
    HorizontalLine(painter, rect.left(), rect.right(), rect.bottom(), bottomRight);
    VerticalLine(painter, rect.right(), rect.top(), rect.bottom(), bottomRight);
}

}  // namespace canvas
