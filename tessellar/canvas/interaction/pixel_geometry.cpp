// Pixel geometry of the canvas's mouse editing.

#include "tessellar/canvas/interaction/pixel_geometry.h"

#include <cstdint>

namespace canvas::interaction {

int RoundHalfUp(int numerator, int denominator) {
    if (denominator <= 0) return 0;
    // floor((2n + d) / 2d), in 64 bits so no pixel value overflows.
    const std::int64_t twice = 2 * std::int64_t{numerator} + denominator;
    const std::int64_t divisor = 2 * std::int64_t{denominator};
    std::int64_t quotient = twice / divisor;
    if (twice % divisor != 0 && twice < 0) --quotient;
    return static_cast<int>(quotient);
}

CellPoint CellUnder(PixelPoint p, CellSize cell) {
    if (cell.width <= 0 || cell.height <= 0) return {};
    return {p.y / cell.height, p.x / cell.width};
}

CellSpan ToCells(const PixelRect& rect, CellSize cell) {
    return {RoundHalfUp(rect.top, cell.height), RoundHalfUp(rect.left, cell.width),
            RoundHalfUp(rect.bottom - rect.top, cell.height), RoundHalfUp(rect.right - rect.left, cell.width)};
}

PixelRect HandleFrame(const PixelRect& itemRect, CellSize cell, bool box) {
    if (!box) return itemRect;
    // The box's lines run through the middles of its corner cells.
    return {itemRect.left + cell.width / 2, itemRect.top + cell.height / 2, itemRect.right - (cell.width + 1) / 2,
            itemRect.bottom - (cell.height + 1) / 2};
}

bool WindowHandle(Handle handle) {
    return handle == Handle::RightMiddle || handle == Handle::BottomMiddle || handle == Handle::BottomRight;
}

PixelRect WindowHandleFrame(const PixelRect& windowRect) {
    const int inset = kHandleSize / 2 + 1;
    return {windowRect.left, windowRect.top, windowRect.right - inset, windowRect.bottom - inset};
}

PixelRect HandleSquare(const PixelRect& frame, Handle handle) {
    const int middleX = frame.left + (frame.right - frame.left) / 2;
    const int middleY = frame.top + (frame.bottom - frame.top) / 2;
    PixelPoint centre;
    switch (handle) {
        case Handle::TopMiddle: centre = {middleX, frame.top}; break;
        case Handle::RightMiddle: centre = {frame.right, middleY}; break;
        case Handle::BottomMiddle: centre = {middleX, frame.bottom}; break;
        case Handle::LeftMiddle: centre = {frame.left, middleY}; break;
        case Handle::TopLeft: centre = {frame.left, frame.top}; break;
        case Handle::TopRight: centre = {frame.right, frame.top}; break;
        case Handle::BottomRight: centre = {frame.right, frame.bottom}; break;
        case Handle::BottomLeft: centre = {frame.left, frame.bottom}; break;
        case Handle::None: return {};
    }
    const int half = kHandleSize / 2;
    return {centre.x - half, centre.y - half, centre.x + half + 1, centre.y + half + 1};
}

Handle HandleAt(const PixelRect& frame, PixelPoint p) {
    for (int number = 1; number <= 8; ++number) {
        const auto handle = static_cast<Handle>(number);
        if (HandleSquare(frame, handle).Contains(p)) return handle;
    }
    return Handle::None;
}

PixelRect DragEdges(const PixelRect& rect, Handle handle, int dx, int dy) {
    PixelRect moved = rect;
    const bool top = handle == Handle::TopMiddle || handle == Handle::TopLeft || handle == Handle::TopRight;
    const bool bottom = handle == Handle::BottomMiddle || handle == Handle::BottomLeft || handle == Handle::BottomRight;
    const bool left = handle == Handle::LeftMiddle || handle == Handle::TopLeft || handle == Handle::BottomLeft;
    const bool right = handle == Handle::RightMiddle || handle == Handle::TopRight || handle == Handle::BottomRight;
    if (top) moved.top += dy;
    if (bottom) moved.bottom += dy;
    if (left) moved.left += dx;
    if (right) moved.right += dx;
    return moved;
}

Cursor HandleCursor(Handle handle) {
    switch (handle) {
        case Handle::TopMiddle:
        case Handle::BottomMiddle: return Cursor::NorthSouth;
        case Handle::RightMiddle:
        case Handle::LeftMiddle: return Cursor::WestEast;
        case Handle::TopLeft:
        case Handle::BottomRight: return Cursor::NorthWestSouthEast;
        case Handle::TopRight:
        case Handle::BottomLeft: return Cursor::NorthEastSouthWest;
        case Handle::None: break;
    }
    return Cursor::Arrow;
}

}  // namespace canvas::interaction
