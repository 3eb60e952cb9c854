#pragma once
// The draw operation of each item kind. Each decides whether its item is
// visible, draws it, remembers its pixel rectangle for hit testing, and
// frames it by its changes while "Highlight Changes" is on.

#include <QRect>
#include <QString>

#include <string_view>

#include "tessellar/canvas/render/paint_context.h"

namespace canvas {

void DrawAcceptField(const PaintContext& context, const model::CAcceptFld& field);
void DrawDisplayText(const PaintContext& context, const model::CDispText& display);
void DrawBox(const PaintContext& context, const model::CBoxItem& box);
void DrawModeButton(const PaintContext& context, const model::CModeItem& mode);
void DrawMenuOption(const PaintContext& context, const model::COptionItem& option);
// A review area that is not a data grid, in character form.
void DrawReviewArea(const PaintContext& context, const model::CReviewArea& area);
// The strip above the options of a menu window.
void DrawOptionHeaderStrip(const PaintContext& context, const model::COptionItem& firstOption);

// The picture of a menu option, 1-18 or 22, in at most 18 x 18 pixels;
// other numbers draw nothing.
void DrawOptionPicture(QPainter& painter, const QRect& area, int pictureNumber);
inline constexpr int kOptionPictureSize = 18;

// A mode label with its mnemonic mark: a label holding "&" stays as it is;
// otherwise "&" goes before its first non-blank character, unless the label
// is 80 characters or longer or that character is its last.
std::string MnemonicLabel(std::string_view label);

// A literal text ending in ":" (before any trailing blanks) is drawn right
// aligned with its trailing blanks moved in front, so that the colon stays
// at the right edge; returns whether the rule applies and the text to draw.
bool ColonAligned(std::string_view text, std::string& drawn);

// The cell of a grid item's column heading in the grid's header, and the
// cell its value shows in: the header row belongs to the heading, so an
// item placed on it shows its value in the first data row.
QRect GridHeadingCell(const PaintContext& context, const QRect& itemRect);
QRect GridValueCell(const PaintContext& context, const QRect& itemRect);

}  // namespace canvas
