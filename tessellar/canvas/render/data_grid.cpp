#include "tessellar/canvas/render/data_grid.h"

#include <QScrollBar>
#include <QWidget>

#include <algorithm>

namespace canvas {

CMyDataGrid::CMyDataGrid(model::CReviewArea& area, CellMetrics cell, QWidget* canvas)
    : QObject(canvas), area_(area), cell_(cell), scrollBar_(new QScrollBar(Qt::Horizontal, canvas)) {
    scrollBar_->hide();
    scrollBar_->setFocusPolicy(Qt::NoFocus);  // the keys stay with the canvas's selection
    scrollBar_->setSingleStep(std::max(1, cell_.width));
    connect(scrollBar_, &QScrollBar::valueChanged, this, &CMyDataGrid::OnScroll);
}

CMyDataGrid::~CMyDataGrid() {
    if (scrollBar_) scrollBar_->deleteLater();
}

void CMyDataGrid::Refresh(const DataGridGeometry& geometry) {
    geometry_ = geometry;
    if (!scrollBar_) return;
    if (!geometry.horizontalScroll) {
        area_.scrollColumn = 0;
        scrollBar_->hide();
        return;
    }
    const int barHeight = std::max(1, cell_.height - 3);
    scrollBar_->setGeometry(geometry.rect.left() + 1, geometry.rect.bottom() - barHeight + 1,
                            std::max(1, geometry.rect.width() - 2), barHeight - 1);
    const QSignalBlocker blocker(scrollBar_);
    scrollBar_->setRange(0, geometry.ScrollRange());
    scrollBar_->setPageStep(std::max(1, geometry.rect.width()));
    // A scroll kept from before the columns narrowed goes no further than they reach.
    const int cellWidth = std::max(1, cell_.width);
    area_.scrollColumn = std::clamp(area_.scrollColumn, 0, (geometry.ScrollRange() + cellWidth - 1) / cellWidth);
    scrollBar_->setValue(ScrollPixels());
    scrollBar_->show();
}

int CMyDataGrid::ScrollPixels() const { return std::max(0, area_.scrollColumn) * ScrollFactor() * cell_.width; }

void CMyDataGrid::OnScroll(int value) {
    // The scroll moves by whole columns, as the fields in the grid do.
    const int columns = cell_.width > 0 ? (value + cell_.width - 1) / cell_.width : 0;
    if (columns == area_.scrollColumn) return;
    area_.scrollColumn = columns;
    emit Scrolled();
}

}  // namespace canvas
