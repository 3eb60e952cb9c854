// Entry fields and display texts.

#include <QFont>

#include <algorithm>

#include "platform/qt/cp1252_text.h"
#include "tessellar/canvas/render/change_highlight.h"
#include "tessellar/canvas/render/item_drawing.h"
#include "tessellar/model/text_overlap.h"
#include "tessellar/canvas/render/pixel_drawing.h"

namespace canvas {

namespace {

// The sunken edge of an entry field.
const QColor kEdgeShadow(172, 166, 155);
const QColor kEdgeDark(48, 48, 48);
const QColor kEdgeLight(234, 230, 215);

// Wider fields than this show as many cells as their width; narrower ones
// outside a data grid get one more cell so the cursor has room.
constexpr int kNarrowFieldWidth = 2;

QRect CellRect(const PaintContext& context, model::CellPosition position, int columns, int rows = 1) {
    const int left = position.column * context.cell.width;
    const int top = position.row * context.cell.height;
    return Corners(left, top, left + std::max(0, columns) * context.cell.width - 1,
                   top + rows * context.cell.height - 1);
}

// A grid item is drawn unless it lies wholly left or right of the grid.
bool GridShows(const PaintContext& context, const QRect& rect) {
    const QRect& grid = context.grid->rect;
    return rect.left() < grid.left() + grid.width() && rect.left() + rect.width() > grid.left();
}

void DrawHeadingCell(const PaintContext& context, const QRect& itemRect, const std::string& title,
                     const model::FontDescription& font) {
    const QRect cell = GridHeadingCell(context, itemRect);
    QPainter& painter = context.painter;
    painter.fillRect(cell, ToQColor(model::colour::kSilver));
    EdgeLines(painter, cell, ToQColor(model::colour::kWhite), ToQColor(model::colour::kBlack));
    painter.setFont(ToQFont(font));
    painter.setPen(ToQColor(model::colour::kBlack));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(cell.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     platform::QStringFromCp1252(title));
}

ChangeSet FieldChanges(const model::FieldItem& item, bool inGrid, int overlaps) {
    ChangeSet changes;
    changes.Add(ChangeCategory::Overlaid, overlaps > 0)
        .Add(ChangeCategory::Suppressed, item.suppressed.Current())
        .Add(ChangeCategory::Trigger, item.triggers.AnyTrigger())
        .Add(ChangeCategory::Moved, !inGrid && item.IsMoved())
        .Add(ChangeCategory::Other, item.IsChanged());
    return changes;
}

// Clips drawing to the grid window for an item inside it.
class GridClip {
public:
    GridClip(const PaintContext& context, bool inGrid) : painter_(context.painter) {
        painter_.save();
        if (inGrid) painter_.setClipRect(context.grid->rect);
    }
    ~GridClip() { painter_.restore(); }
    GridClip(const GridClip&) = delete;
    GridClip& operator=(const GridClip&) = delete;

private:
    QPainter& painter_;
};

Qt::Alignment AlignmentFor(model::AttributeFlags flags) {
    if (flags & model::attribute::kLeft) return Qt::AlignLeft;
    if (flags & model::attribute::kRight) return Qt::AlignRight;
    if (flags & model::attribute::kCenter) return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

model::FontDescription DisplayFont(const model::CDispText& display) {
    model::FontDescription font = display.font;
    const model::AttributeFlags flags = display.attributes.Current();
    font.height = font.height * std::max(0, display.scale.Current()) / 100;
    if (font.height == 0) font.height = display.font.height < 0 ? -1 : 1;
    font.italic = (flags & model::attribute::kItalic) != 0;
    font.weight = (flags & model::attribute::kBold) ? model::kBoldWeight : model::kNormalWeight;
    font.underline = (flags & model::attribute::kUnderline) != 0;
    return font;
}

}  // namespace

QRect GridHeadingCell(const PaintContext& context, const QRect& itemRect) {
    const int top = context.grid->rect.top();
    return Corners(itemRect.left(), top, itemRect.right(), top + context.cell.height - 1);
}

QRect GridValueCell(const PaintContext& context, const QRect& itemRect) {
    const int firstDataRow = context.grid->rect.top() + context.cell.height;
    if (itemRect.top() >= firstDataRow) return itemRect;
    return Corners(itemRect.left(), firstDataRow + 1, itemRect.right(), firstDataRow + context.cell.height - 4);
}

bool ColonAligned(std::string_view text, std::string& drawn) {
    const std::size_t last = text.find_last_not_of(' ');
    if (last == std::string_view::npos || text[last] != ':') return false;
    const std::size_t trailing = text.size() - last - 1;
    drawn.assign(trailing, ' ');
    drawn.append(text.substr(0, last + 1));
    return true;
}

void DrawAcceptField(const PaintContext& context, const model::CAcceptFld& field) {
    const bool suppressed = field.suppressed.Current();
    if (suppressed && !context.highlight) return;
    const bool inGrid = context.InGrid(field.inReviewArea);
    const int width = field.width.Current();
    const int cells = !inGrid && width <= kNarrowFieldWidth ? width + 1 : width;
    QRect rect = CellRect(context, field.position.Current(), cells);
    if (inGrid) rect.translate(-context.gridShift, 0);
    // Gestures and change frames take the field where it shows.
    const QRect shown = inGrid ? GridValueCell(context, rect) : rect;
    context.Remember(&field, shown);

    QPainter& painter = context.painter;
    const bool readOnly = field.readOnly.Current();
    if (!inGrid) {
        FilledBox(painter, rect, readOnly ? ToQColor(model::colour::kGrey) : ToQColor(model::colour::kWhite), ToQColor(model::colour::kBlack));
        EdgeLines(painter, rect, kEdgeShadow, ToQColor(model::colour::kWhite));
        EdgeLines(painter, rect.adjusted(1, 1, -1, -1), kEdgeDark, kEdgeLight);
    } else if (GridShows(context, rect)) {
        GridClip clip(context, true);
        FilledBox(painter, shown, readOnly ? ToQColor(model::colour::kGrey) : ToQColor(model::colour::kNavy), ToQColor(model::colour::kNavy));
        DrawHeadingCell(context, rect, field.GridColumnTitle(), field.font);
    }

    if (!context.highlight) return;
    const int overlaps = CountOverlaps(context.model, SpanOf(field), &field);
    DrawChangeFrames(painter, shown, FieldChanges(field, inGrid, overlaps));
}

void DrawDisplayText(const PaintContext& context, const model::CDispText& display) {
    if (display.suppressed.Current() && !context.highlight) return;
    const bool inGrid = context.InGrid(display.inReviewArea);
    // Scale enlarges the rectangle by whole multiples only; below 100 it stays one cell high.
    const int factor = std::max(1, display.scale.Current() / 100);
    QRect rect = CellRect(context, display.position.Current(), display.width.Current() * factor, factor);
    if (inGrid) rect.translate(-context.gridShift, 0);
    // A value display in a grid shows in its value cell: gestures and
    // change frames take it there.
    const QRect shown = inGrid && display.dataDisplay ? GridValueCell(context, rect) : rect;
    context.Remember(&display, shown);

    if (!inGrid || GridShows(context, rect)) {
        QPainter& painter = context.painter;
        GridClip clip(context, inGrid);
        const model::AttributeFlags flags = display.attributes.Current();
        const model::ColourPair colours = model::Visible(display.colours.Current());
        const QColor foreground = ToQColor(colours.foreground);
        const QColor background = ToQColor(colours.background);
        painter.setFont(ToQFont(DisplayFont(display)));
        const std::string& text = display.text.Current();

        if (display.dataDisplay) {
            FilledBox(painter, shown, background, ToQColor(model::colour::kBlack));
            const bool edged = (flags & model::attribute::kBorder) || display.edgeMark || display.dataEntryMark;
            if (edged) EdgeLines(painter, shown, kEdgeShadow, ToQColor(model::colour::kWhite));
            if (!display.dataEntryMark) {
                painter.setPen(foreground);
                painter.setBackgroundMode(Qt::TransparentMode);
                painter.save();
                const QRect textRect = shown.adjusted(1, 2, -1, -1);
                painter.setClipRect(textRect, Qt::IntersectClip);
                painter.drawText(textRect, AlignmentFor(flags) | Qt::AlignTop | Qt::TextSingleLine,
                                 platform::QStringFromCp1252(text));
                painter.restore();
            }
            if (inGrid) DrawHeadingCell(context, rect, display.GridColumnTitle(), display.font);
        } else {
            std::string drawn;
            const bool colon = ColonAligned(text, drawn);
            painter.setPen(foreground);
            painter.setBackground(inGrid ? ToQColor(model::colour::kWhite) : background);
            painter.setBackgroundMode(Qt::OpaqueMode);
            painter.drawText(rect.adjusted(1, 2, -1, -1),
                             (colon ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop | Qt::TextSingleLine |
                                 Qt::TextDontClip,
                             platform::QStringFromCp1252(colon ? drawn : text));
            painter.setBackgroundMode(Qt::TransparentMode);
        }
    }

    if (!context.highlight) return;
    const int overlaps = CountOverlaps(context.model, SpanOf(display), &display);
    DrawChangeFrames(context.painter, shown, FieldChanges(display, inGrid, overlaps));
}

}  // namespace canvas
