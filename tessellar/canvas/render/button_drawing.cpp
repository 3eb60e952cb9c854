// Mode buttons and menu options.

#include <algorithm>

#include "platform/qt/cp1252_text.h"
#include "tessellar/canvas/render/change_highlight.h"
#include "tessellar/canvas/render/item_drawing.h"
#include "tessellar/model/text_overlap.h"
#include "tessellar/canvas/render/pixel_drawing.h"

namespace canvas {

namespace {

// A label this long is drawn as it stands.
constexpr std::size_t kLongLabel = 80;

// The look of a menu entry in a pull-down menu window.
const QColor kMenuColour(240, 240, 240);
const QColor kMenuTextColour(0, 0, 0);

}  // namespace

std::string MnemonicLabel(std::string_view label) {
    std::string drawn(label);
    if (label.find('&') != std::string_view::npos || label.size() >= kLongLabel) return drawn;
    const std::size_t first = label.find_first_not_of(' ');
    if (first == std::string_view::npos || first + 1 == label.size()) return drawn;
    drawn.insert(first, 1, '&');
    return drawn;
}

void DrawModeButton(const PaintContext& context, const model::CModeItem& mode) {
    if (mode.suppressed.Current() && !context.highlight) return;
    const CellMetrics cell = context.cell;
    const QRect rect = Corners(mode.position.column * cell.width, mode.position.row * cell.height,
                               (mode.position.column + mode.width) * cell.width - 3,
                               (mode.position.row + 1) * cell.height - 1);
    context.Remember(&mode, rect);
    QPainter& painter = context.painter;
    if (rect.width() > 0) {
        FilledBox(painter, rect, ToQColor(context.buttonColours.background), ToQColor(model::colour::kSilver));
        EdgeLines(painter, rect, ToQColor(model::colour::kWhite), ToQColor(model::colour::kBlack));
        HorizontalLine(painter, rect.left() + 1, rect.right() - 1, rect.bottom() - 1, ToQColor(model::colour::kGrey));
        VerticalLine(painter, rect.right() - 1, rect.top() + 1, rect.bottom() - 1, ToQColor(model::colour::kGrey));
        painter.setFont(ToQFont(mode.font));
        painter.setPen(ToQColor(context.buttonColours.foreground));
        painter.setBackgroundMode(Qt::TransparentMode);
        painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic,
                         platform::QStringFromCp1252(MnemonicLabel(mode.label.Current())));
    }

    if (!context.highlight) return;
    DrawChangeFrames(painter, rect,
                     ChangeSet()
                         .Add(ChangeCategory::Suppressed, mode.suppressed.Current())
                         .Add(ChangeCategory::Trigger, mode.triggers.AnyTrigger())
                         .Add(ChangeCategory::Other, mode.IsChanged()));
}

void DrawMenuOption(const PaintContext& context, const model::COptionItem& option) {
    if (option.suppressed.Current() && !context.highlight) return;
    const CellMetrics cell = context.cell;
    const model::CellPosition position = option.position.Current();
    const QRect rect = Corners(position.column * cell.width, position.row * cell.height,
                               (position.column + std::max(0, option.width)) * cell.width - 1,
                               (position.row + 1) * cell.height - 1);
    context.Remember(&option, rect);
    QPainter& painter = context.painter;
    const QString label = platform::QStringFromCp1252(option.label.Current());
    painter.setFont(ToQFont(option.font));
    painter.setBackgroundMode(Qt::TransparentMode);
    if (context.menuWindow) {
        painter.fillRect(rect, kMenuColour);
        const int size = std::min(kOptionPictureSize, rect.height());
        DrawOptionPicture(painter, QRect(rect.left() + 2, rect.top() + (rect.height() - size) / 2, size, size),
                          option.pictureNumber);
        painter.setPen(kMenuTextColour);
        painter.drawText(rect.adjusted(kOptionPictureSize + 6, 0, -2, 0),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, label);
    } else {
        painter.fillRect(rect, ToQColor(model::colour::kSilver));
        EdgeLines(painter, rect, ToQColor(model::colour::kWhite), ToQColor(model::colour::kGrey));
        painter.setPen(ToQColor(model::colour::kNavy));
        painter.drawText(rect.adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextSingleLine, label);
    }

    if (!context.highlight) return;
    const int overlaps = CountOverlaps(context.model, SpanOf(option), &option);
    DrawChangeFrames(painter, rect,
                     ChangeSet()
                         .Add(ChangeCategory::Overlaid, overlaps > 0)
                         .Add(ChangeCategory::Suppressed, option.suppressed.Current())
                         .Add(ChangeCategory::Trigger, option.triggers.AnyTrigger())
                         .Add(ChangeCategory::Moved, option.IsMoved())
                         .Add(ChangeCategory::Other, option.IsChanged()));
}

void DrawOptionHeaderStrip(const PaintContext& context, const model::COptionItem& firstOption) {
    const CellMetrics cell = context.cell;
    const model::CellPosition position = firstOption.position.Current();
    const int bottom = position.row * cell.height - 1;
    const int top = std::max(0, bottom - cell.height / 2);
    const QRect strip = Corners(position.column * cell.width, top,
                                (position.column + std::max(0, firstOption.width)) * cell.width - 1, bottom);
    if (strip.height() <= 0) return;
    context.painter.fillRect(strip, kMenuColour);
    HorizontalLine(context.painter, strip.left(), strip.right(), strip.bottom(), ToQColor(model::colour::kGrey));
}

}  // namespace canvas
