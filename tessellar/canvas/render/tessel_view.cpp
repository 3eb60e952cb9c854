#include "tessellar/canvas/render/tessel_view.h"

#include <QLabel>

#include "platform/qt/cp1252_text.h"
#include "tessellar/canvas/render/change_highlight.h"
#include "tessellar/canvas/render/screen_canvas.h"

namespace canvas {

CTesselView::CTesselView(const std::optional<model::FontDescription>& customFont, QWidget* parent)
    : QScrollArea(parent), cell_(MeasureCellMetrics(model::ItemFont(customFont))), surface_(new QWidget) {
    surface_->resize(extent_);
    setWidget(surface_);
    setWidgetResizable(false);
}

CTesselView::~CTesselView() = default;

void CTesselView::SetButtonColours(model::ColourPair colours) {
    buttonColours_ = colours;
    if (canvas_) canvas_->SetButtonColours(colours);
}

void CTesselView::ShowScreen(model::CScreenModel* screen, bool menuWindow) {
    delete canvas_;
    delete caption_;
    if (screen == nullptr || screen->Frame() == nullptr) return;

    const CanvasPlacement placement = PlaceCanvas(*screen->Frame(), cell_, menuWindow);
    const int captionHeight = placement.CaptionHeight(cell_);
    if (captionHeight > 0) {
        caption_ = new QLabel(platform::QStringFromCp1252(screen->Title().Current()), surface_);
        caption_->setFont(ToQFont(model::TitleBarFont(screen->CustomFont())));
        caption_->setStyleSheet("background: #000080; color: white; padding-left: 4px;");
        caption_->setGeometry(placement.window.left(), placement.window.top(), placement.window.width(), captionHeight);
        caption_->show();
    }
    canvas_ = new CScreenCanvas(placement, cell_, *screen, surface_);
    canvas_->move(placement.window.left(), placement.window.top() + captionHeight);
    canvas_->SetButtonColours(buttonColours_);
    canvas_->show();

    extent_ = extent_.expandedTo(ViewExtent(*screen->Frame(), cell_));
    surface_->resize(extent_);
}

bool CTesselView::ToggleHighlightChanges() {
    const bool on = canvas::ToggleHighlightChanges();
    if (canvas_) canvas_->update();
    return on;
}

}  // namespace canvas
