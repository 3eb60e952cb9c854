// Boxes and the character form of a review area.

#include <algorithm>

#include "platform/qt/cp1252_text.h"
#include "tessellar/canvas/render/change_highlight.h"
#include "tessellar/canvas/render/item_drawing.h"
#include "tessellar/canvas/render/pixel_drawing.h"

namespace canvas {

namespace {

// The colour table entries a box title is written in: the "dim" foreground
// on the "normal" background.
constexpr int kDimForegroundEntry = 5;
constexpr int kNormalBackgroundEntry = 7;

}  // namespace

void DrawBox(const PaintContext& context, const model::CBoxItem& box) {
    if (box.suppressed.Current() && !context.highlight) return;
    const model::BoxCorners& corners = box.corners.Current();
    const CellMetrics cell = context.cell;
    // The lines run through the middle of the corner cells.
    const QRect lines = Corners(corners.left * cell.width + cell.width / 2, corners.top * cell.height + cell.height / 2,
                                corners.right * cell.width + cell.width / 2,
                                corners.bottom * cell.height + cell.height / 2);
    context.Remember(&box, lines);
    QPainter& painter = context.painter;

    if (box.statementFlag) {
        EdgeLines(painter, lines, ToQColor(model::colour::kGrey), ToQColor(model::colour::kWhite));
        HorizontalLine(painter, lines.left() + 1, lines.right() - 1, lines.top() + 1, ToQColor(model::colour::kBlack));
        VerticalLine(painter, lines.left() + 1, lines.top() + 1, lines.bottom() - 1, ToQColor(model::colour::kBlack));
    } else {
        Outline(painter, lines, ToQColor(model::colour::kGrey));
        Outline(painter, lines.translated(1, 1), ToQColor(model::colour::kWhite));
    }

    const std::string& title = box.title.Current();
    if (!title.empty()) {
        const model::ColourTable& colours = context.model.Colours();
        painter.setFont(ToQFont(box.font));
        painter.setPen(ToQColor(colours.Entry(kDimForegroundEntry)));
        painter.setBackground(ToQColor(colours.Entry(kNormalBackgroundEntry)));
        painter.setBackgroundMode(Qt::OpaqueMode);
        const QPoint at(lines.left() + cell.width / 2 + 2, lines.top() - cell.height / 2 + 2);
        painter.drawText(QRect(at, QSize(1, 1)), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                         platform::QStringFromCp1252(title));
        painter.setBackgroundMode(Qt::TransparentMode);
    }

    if (!context.highlight) return;
    DrawChangeFrames(painter, lines,
                     ChangeSet()
                         .Add(ChangeCategory::Suppressed, box.suppressed.Current())
                         .Add(ChangeCategory::Other, box.IsChanged() || box.added));
}

void DrawReviewArea(const PaintContext& context, const model::CReviewArea& area) {
    const CellMetrics cell = context.cell;
    const int rows = std::max(1, area.boxHeight) * std::max(1, area.repeatCount);
    const QRect rect = Corners(area.leftColumn * cell.width, area.firstRow * cell.height,
                               (area.rightColumn + 1) * cell.width - 1, (area.firstRow + rows) * cell.height - 1);
    QPainter& painter = context.painter;
    FilledBox(painter, rect, ToQColor(model::colour::kWhite), ToQColor(model::colour::kSilver));
    EdgeLines(painter, rect.adjusted(1, 1, -1, -1), ToQColor(model::colour::kBlack), ToQColor(model::colour::kWhite));
    for (const model::ColumnEntry& column : area.columns.Entries()) {
        if (column.position <= area.leftColumn) continue;
        VerticalLine(painter, column.position * cell.width - 1, rect.top() + 2, rect.bottom() - 2, ToQColor(model::colour::kSilver));
    }
}

}  // namespace canvas
