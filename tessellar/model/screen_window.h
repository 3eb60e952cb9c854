#pragma once
// The frame of one screen in character cells, and its title bar on the row
// above. Drawing gives them windows; here they are the values.

#include <memory>
#include <optional>
#include <string_view>

#include "tessellar/model/font_description.h"
#include "tessellar/model/model_texts.h"
#include "tessellar/model/text_capacity.h"
#include "tessellar/model/tracked_value.h"

namespace model {

inline constexpr int kDefaultRightColumn = 80;
inline constexpr int kDefaultBottomRow = 24;

class CScreenTitleWnd {
public:
    explicit CScreenTitleWnd(const std::optional<FontDescription>& customFont = {})
        : font(TitleBarFont(customFont)) {}

    int leftColumn = 0;
    int topRow = -1;                  // the row above the frame's top row
    int rightColumn = kDefaultRightColumn;
    int bottomRow = 0;                // the frame's top row
    TrackedText title{kNameLength};
    FontDescription font;

    // Spans the title bar over a frame.
    void PlaceOver(int frameLeft, int frameTop, int frameRight);
};

class CScreenWnd {
public:
    // The window before decoding sizes it, in pixels.
    static constexpr int kInitialX = 1;
    static constexpr int kInitialY = 1;
    static constexpr int kInitialWidth = 1200;
    static constexpr int kInitialHeight = 384;
    static constexpr std::string_view WindowName() { return texts::kScreenWindowName; }

    explicit CScreenWnd(const std::optional<FontDescription>& customFont = {});
    // A copy has a title bar of its own.
    CScreenWnd(const CScreenWnd& other);
    CScreenWnd& operator=(const CScreenWnd&) = delete;

    int leftColumn = 0;
    int topRow = 0;
    int rightColumn = kDefaultRightColumn;
    int bottomRow = kDefaultBottomRow;
    int originalRightColumn = kDefaultRightColumn;
    int originalBottomRow = kDefaultBottomRow;
    int optionWidth = -1;             // -1 = none
    FontDescription font;

    CScreenTitleWnd& TitleBar() { return *titleBar_; }
    const CScreenTitleWnd& TitleBar() const { return *titleBar_; }

    // Sets the frame and spans the title bar over it.
    void Place(int left, int top, int right, int bottom);
    // Resizing by rows and columns keeps the top left corner.
    void Resize(int rows, int columns);
    int Rows() const { return bottomRow - topRow + 1; }
    int Columns() const { return rightColumn - leftColumn + 1; }

private:
    std::unique_ptr<CScreenTitleWnd> titleBar_;  // goes with the frame
};

}  // namespace model
