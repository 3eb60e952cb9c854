#include "tessellar/canvas/render/data_grid_geometry.h"

#include "platform/qt/cp1252_text.h"

#include <algorithm>

#include "tessellar/canvas/render/pixel_drawing.h"

namespace canvas {

DataGridGeometry LayOutDataGrid(const model::CReviewArea& area, CellMetrics cell, int scrollBarWidth) {
    DataGridGeometry grid;
    for (const model::ColumnEntry& column : area.columns.Entries()) grid.totalColumnWidth += column.width * cell.width;
    grid.dataRows = std::max(0, area.repeatCount);

    const int areaRight = (area.rightColumn + 1) * cell.width - 2;
    grid.horizontalScroll = grid.totalColumnWidth > areaRight;
    const int width = (area.rightColumn - area.leftColumn + 1) * cell.width - scrollBarWidth - 3;
    const int rowHeight = cell.height - 3;
    const int height = grid.horizontalScroll ? rowHeight * grid.dataRows + 2 * cell.height
                                             : rowHeight * grid.dataRows + cell.height + 3;
    grid.rect = QRect(area.leftColumn * cell.width, area.firstRow * cell.height, std::max(0, width), height);
    grid.ruleWidth = std::max(grid.totalColumnWidth, areaRight);
    // The area's rows: its header row and one per repeated record.
    grid.columnRuleBottom = (grid.dataRows + 1) * cell.height - 1;
    return grid;
}

int GridShiftCells(const model::CReviewArea& area, int scrollFactor) {
    return std::max(0, area.scrollColumn) * scrollFactor;
}

namespace {

void DrawHeader(QPainter& painter, const model::CReviewArea& area, CellMetrics cell, int shift,
                const QFont& headerFont) {
    const QRect header(-shift, 0, kGridHeaderWidth, cell.height);
    painter.fillRect(header, ToQColor(model::colour::kSilver));
    painter.setFont(headerFont);
    painter.setPen(ToQColor(model::colour::kBlack));
    int x = -shift;
    for (const model::ColumnEntry& column : area.columns.Entries()) {
        const QRect item(x, 0, column.width * cell.width, cell.height);
        if (item.width() > 0) {
            EdgeLines(painter, item, ToQColor(model::colour::kWhite), ToQColor(model::colour::kGrey));
            painter.drawText(item.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             platform::QStringFromCp1252(column.title));
        }
        x += item.width();
    }
}

}  // namespace

void DrawDataGrid(QPainter& painter, const DataGridGeometry& grid, const model::CReviewArea& area, CellMetrics cell,
                  int shift, const QFont& headerFont) {
    if (grid.rect.isEmpty()) return;
    painter.save();
    painter.translate(grid.rect.topLeft());
    const QRect window(0, 0, grid.rect.width(), grid.rect.height());
    painter.setClipRect(window);
    painter.fillRect(window, ToQColor(model::colour::kWhite));

    DrawHeader(painter, area, cell, shift, headerFont);
    for (int row = 0; row < grid.dataRows; ++row) {
        HorizontalLine(painter, 1 - shift, grid.ruleWidth - shift, cell.height + row * (cell.height - 3), ToQColor(model::colour::kSilver));
    }
    const auto& columns = area.columns.Entries();
    for (std::size_t i = 1; i < columns.size(); ++i) {
        const int x = (columns[i].position - area.leftColumn) * cell.width - 1 - shift;
        VerticalLine(painter, x, 1, grid.columnRuleBottom, ToQColor(model::colour::kGrey));
    }
    if (grid.horizontalScroll) {
        // The scroll bar strip along the bottom, its thumb where the scroll is.
        const int barHeight = cell.height - 3;
        const QRect bar(0, window.height() - barHeight, window.width(), barHeight);
        painter.fillRect(bar, QColor(230, 230, 230));
        HorizontalLine(painter, bar.left(), bar.right(), bar.top(), ToQColor(model::colour::kSilver));
        const int range = grid.ScrollRange();
        if (range > 0 && bar.width() > 0) {
            const int thumbWidth = std::max(barHeight, bar.width() * bar.width() / grid.totalColumnWidth);
            const int thumbX = (bar.width() - thumbWidth) * std::min(shift, range) / range;
            FilledBox(painter, QRect(thumbX, bar.top() + 2, thumbWidth, bar.height() - 3), ToQColor(model::colour::kSilver), ToQColor(model::colour::kGrey));
        }
    }
    Outline(painter, window, ToQColor(model::colour::kGrey));
    painter.restore();
}

}  // namespace canvas
