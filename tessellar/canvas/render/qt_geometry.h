#pragma once
// The canvas's pixel geometry as Qt spells it.

#include <QPointF>
#include <QRect>

#include "tessellar/canvas/interaction/pixel_geometry.h"

namespace canvas {

inline interaction::PixelPoint ToPixel(const QPointF& point) {
    return {static_cast<int>(point.x()), static_cast<int>(point.y())};
}

inline QRect ToQRect(const interaction::PixelRect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

}  // namespace canvas
