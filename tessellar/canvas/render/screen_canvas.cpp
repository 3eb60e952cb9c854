#include "tessellar/canvas/render/screen_canvas.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include "tessellar/canvas/render/change_highlight.h"
#include "tessellar/canvas/render/data_grid.h"
#include "tessellar/canvas/render/screen_painter.h"

namespace canvas {

int SystemScrollBarWidth() {
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return application->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    }
    return 16;
}

CScreenCanvas::CScreenCanvas(const CanvasPlacement& placement, CellMetrics cell, model::CScreenModel& model,
                             QWidget* parent)
    : QWidget(parent), placement_(placement), cell_(cell), model_(model) {
    setWindowTitle(QString::fromStdString(model.Title().Current()));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    resize(placement.ClientRect(cell).size());
}

CScreenCanvas::~CScreenCanvas() = default;

void CScreenCanvas::SetButtonColours(model::ColourPair colours) {
    buttonColours_ = colours;
    update();
}

void CScreenCanvas::paintEvent(QPaintEvent*) {
    ScreenPaintInputs inputs;
    inputs.model = &model_;
    inputs.cell = cell_;
    inputs.client = rect();
    inputs.highlight = HighlightChangesOn();
    inputs.menuWindow = placement_.menuWindow;
    inputs.buttonColours = buttonColours_;
    inputs.scrollBarWidth = SystemScrollBarWidth();
    inputs.rectangles = &rectangles_;

    if (model::CReviewArea* area = model_.ReviewArea(); area != nullptr && area->IsDataGrid()) {
        if (!dataGrid_) {
            dataGrid_ = new CMyDataGrid(*area, cell_, this);
            connect(dataGrid_, &CMyDataGrid::Scrolled, this, qOverload<>(&QWidget::update));
        }
        dataGrid_->Refresh(LayOutDataGrid(*area, cell_, inputs.scrollBarWidth));
        inputs.gridScrollFactor = dataGrid_->ScrollFactor();
    }
    QPainter painter(this);
    PaintScreen(painter, inputs);
}

}  // namespace canvas
