#pragma once
// The canvas window of one screen: it covers the screen's frame and paints
// the whole screen in one pass. The mouse editing of the screen comes to
// this window too.

#include <QPointer>
#include <QWidget>

#include "tessellar/canvas/render/canvas_placement.h"
#include "tessellar/canvas/render/data_grid.h"
#include "tessellar/canvas/render/paint_context.h"

namespace canvas {

class CScreenCanvas : public QWidget {
    Q_OBJECT
public:
    CScreenCanvas(const CanvasPlacement& placement, CellMetrics cell, model::CScreenModel& model, QWidget* parent);
    ~CScreenCanvas() override;

    const CanvasPlacement& Placement() const { return placement_; }
    CellMetrics Cell() const { return cell_; }
    bool IsMenuWindow() const { return placement_.menuWindow; }
    model::CScreenModel& Model() { return model_; }
    // The application's "button" colours, which mode buttons take.
    void SetButtonColours(model::ColourPair colours);
    // Where each item was drawn last, for hit testing.
    const ItemRectangles& Rectangles() const { return rectangles_; }
    // Made on the first paint of a screen with a graphical data grid.
    CMyDataGrid* DataGrid() const { return dataGrid_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CanvasPlacement placement_;
    CellMetrics cell_;
    model::CScreenModel& model_;
    model::ColourPair buttonColours_{model::colour::kBlack, model::colour::kSilver};
    ItemRectangles rectangles_;
    QPointer<CMyDataGrid> dataGrid_;
};

// The system's vertical scroll bar width, which a data grid leaves free.
int SystemScrollBarWidth();

}  // namespace canvas
