#pragma once
// The graphical data grid of a canvas: the grid's placement over its review
// area and its horizontal scroll bar. The canvas paints the grid's window
// and then the fields in it, shifted by the grid's scroll, so that the
// fields stay on top; the grid keeps the scroll.

#include <QObject>
#include <QPointer>
#include <QScrollBar>

#include "tessellar/canvas/render/data_grid_geometry.h"

namespace canvas {

class CMyDataGrid : public QObject {
    Q_OBJECT
public:
    // The area and the cell metrics are handed over before the grid is made.
    CMyDataGrid(model::CReviewArea& area, CellMetrics cell, QWidget* canvas);
    ~CMyDataGrid() override;

    // Takes the geometry of the latest repaint: places the scroll bar over
    // the grid's bottom strip and sets its range to the columns' width.
    void Refresh(const DataGridGeometry& geometry);

    const DataGridGeometry& Geometry() const { return geometry_; }
    // The grid keeps no factor of its own: the area's scroll columns are cells.
    int ScrollFactor() const { return 1; }
    int ScrollPixels() const;
    QScrollBar* ScrollBar() const { return scrollBar_; }

signals:
    void Scrolled();

private:
    void OnScroll(int value);

    model::CReviewArea& area_;
    CellMetrics cell_;
    DataGridGeometry geometry_;
    QPointer<QScrollBar> scrollBar_;
};

}  // namespace canvas
