#pragma once
// Integer pixel geometry of the canvas's mouse editing: points and
// rectangles in the canvas's logical coordinates, the way a dragged
// rectangle is rounded back to cells, and the eight resize handles with the
// cursor each place shows.

namespace canvas::interaction {

// The cell size in pixels, as the screen font's metrics give it.
struct CellSize {
    int width = 1;
    int height = 1;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// Right and bottom are exclusive, as a cell rectangle times the cell size.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool Contains(PixelPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    PixelRect Moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    bool operator==(const PixelRect&) const = default;
};

// numerator ÷ denominator rounded half up (the whole part, plus one when
// the fraction is 0.5 or more); also right for negative numerators.
int RoundHalfUp(int numerator, int denominator);

// The cell under a point: (y ÷ cell height, x ÷ cell width), whole cells.
struct CellPoint {
    int row = 0;
    int column = 0;
    bool operator==(const CellPoint&) const = default;
};
CellPoint CellUnder(PixelPoint p, CellSize cell);

// A dragged rectangle back in cells: top row, left column, rows and
// columns, each quotient rounded half up.
struct CellSpan {
    int row = 0;
    int column = 0;
    int rows = 0;
    int columns = 0;
    bool operator==(const CellSpan&) const = default;
};
CellSpan ToCells(const PixelRect& rect, CellSize cell);

// The handles, numbered as the canvas knows them; 0 is none.
enum class Handle : int {
    None = 0,
    TopMiddle = 1,
    RightMiddle = 2,
    BottomMiddle = 3,
    LeftMiddle = 4,
    TopLeft = 5,
    TopRight = 6,
    BottomRight = 7,
    BottomLeft = 8,
};

inline constexpr int kHandleSize = 7;

// The corners a selection's handles sit on: a rectangle's edges, or for a
// box its lines half a cell inside the cell rectangle.
PixelRect HandleFrame(const PixelRect& itemRect, CellSize cell, bool box);

// A window shows handles only where it can grow or shrink: its right edge,
// its bottom edge and the corner between them, drawn just inside those
// edges so the canvas does not cut them off.
bool WindowHandle(Handle handle);
PixelRect WindowHandleFrame(const PixelRect& windowRect);

// The 7 × 7 square of a handle (1 to 8), centred on its corner or midpoint.
PixelRect HandleSquare(const PixelRect& frame, Handle handle);

// The first handle whose square holds the point, or None.
Handle HandleAt(const PixelRect& frame, PixelPoint p);

// Moves the edges that belong to a handle by the distance dragged.
PixelRect DragEdges(const PixelRect& rect, Handle handle, int dx, int dy);

enum class Cursor { Arrow, FourWay, NorthSouth, WestEast, NorthWestSouthEast, NorthEastSouthWest, Cross };

Cursor HandleCursor(Handle handle);

}  // namespace canvas::interaction
