#include "tessellar/model/screen_window.h"

namespace model {

void CScreenTitleWnd::PlaceOver(int frameLeft, int frameTop, int frameRight) {
    leftColumn = frameLeft;
    topRow = frameTop - 1;
    rightColumn = frameRight;
    bottomRow = frameTop;
}

CScreenWnd::CScreenWnd(const std::optional<FontDescription>& customFont)
    : font(ItemFont(customFont)), titleBar_(std::make_unique<CScreenTitleWnd>(customFont)) {}

CScreenWnd::CScreenWnd(const CScreenWnd& other)
    : leftColumn(other.leftColumn),
      topRow(other.topRow),
      rightColumn(other.rightColumn),
      bottomRow(other.bottomRow),
      originalRightColumn(other.originalRightColumn),
      originalBottomRow(other.originalBottomRow),
      optionWidth(other.optionWidth),
      font(other.font),
      titleBar_(std::make_unique<CScreenTitleWnd>(*other.titleBar_)) {}

void CScreenWnd::Place(int left, int top, int right, int bottom) {
    leftColumn = left;
    topRow = top;
    rightColumn = right;
    bottomRow = bottom;
    titleBar_->PlaceOver(left, top, right);
}

void CScreenWnd::Resize(int rows, int columns) {
    rightColumn = leftColumn + columns - 1;
    bottomRow = topRow + rows - 1;
    titleBar_->PlaceOver(leftColumn, topRow, rightColumn);
}

}  // namespace model
