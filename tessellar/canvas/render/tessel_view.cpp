#include "tessellar/canvas/render/tessel_view.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include <optional>
#include <utility>

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
    // A new canvas for the same screen (after undo or redo) keeps the selection.
    std::optional<std::pair<interaction::SelectionKind, commands::ItemKey>> kept;
    menuWindow_ = menuWindow;
    if (canvas_ && screen != nullptr && &canvas_->Model() == screen &&
        canvas_->Interaction().SelectedKind() != interaction::SelectionKind::None) {
        kept.emplace(canvas_->Interaction().SelectedKind(), canvas_->Interaction().SelectedKey());
    }
    // The keys stay with the screen: a canvas that held them hands them to the new one.
    const bool hadKeys = canvas_ && canvas_->HoldsKeys();
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
        caption_->setObjectName(QStringLiteral("screenTitle"));
        caption_->setAccessibleName(caption_->text());
        // The screen title is picked where it is drawn: a double click opens its sheet.
        caption_->installEventFilter(this);
        caption_->show();
    }
    canvas_ = new CScreenCanvas(placement, cell_, *screen, surface_);
    canvas_->move(placement.window.left(), placement.window.top() + captionHeight);
    canvas_->SetButtonColours(buttonColours_);
    canvas_->SetEditing(&services_, &requests_);
    connect(canvas_, &CScreenCanvas::Changed, this, [this] {
        RefreshPlacement();
        RefreshCaption();
        emit Changed();
    });
    connect(canvas_, &CScreenCanvas::DragCellChanged, this, &CTesselView::DragCellChanged);
    if (kept && kept->first == interaction::SelectionKind::Window) canvas_->Interaction().SelectWindow(*screen);
    else if (kept) canvas_->Interaction().SelectKey(*screen, kept->first, kept->second);
    canvas_->show();
    if (hadKeys) canvas_->TakeKeys();

    extent_ = extent_.expandedTo(ViewExtent(*screen->Frame(), cell_));
    surface_->resize(extent_);
}

bool CTesselView::ToggleHighlightChanges() {
    const bool on = canvas::ToggleHighlightChanges();
    if (canvas_) canvas_->update();
    return on;
}

bool CTesselView::CommandEnabled(interaction::CanvasCommand command) const {
    // A canvas that takes no input (a screen shown only to look at) runs no command.
    return canvas_ && canvas_->isEnabled() && canvas_->CommandEnabled(command);
}

void CTesselView::Execute(interaction::CanvasCommand command) {
    if (canvas_ && canvas_->isEnabled()) canvas_->Execute(command);
}

void CTesselView::RefreshPlacement() {
    if (!canvas_ || canvas_->Model().Frame() == nullptr) return;
    const model::CScreenWnd& frame = *canvas_->Model().Frame();
    const CanvasPlacement placement = PlaceCanvas(frame, cell_, menuWindow_);
    if (placement.window == canvas_->Placement().window) return;
    canvas_->Replace(placement);
    if (caption_) {
        caption_->setGeometry(placement.window.left(), placement.window.top(), placement.window.width(),
                              placement.CaptionHeight(cell_));
    }
    extent_ = extent_.expandedTo(ViewExtent(frame, cell_));
    surface_->resize(extent_);
}

void CTesselView::RefreshCaption() {
    if (!caption_ || !canvas_) return;
    caption_->setText(platform::QStringFromCp1252(canvas_->Model().Title().Current()));
    caption_->setAccessibleName(caption_->text());
}

bool CTesselView::eventFilter(QObject* watched, QEvent* event) {
    // The type first: a caption being destroyed sends events too.
    if (event->type() == QEvent::MouseButtonDblClick && canvas_ && watched == caption_.data()) {
        canvas_->Execute(interaction::CanvasCommand::ScreenTitle);
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress && canvas_ && watched == caption_.data() &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        canvas_->SelectWindow();
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace canvas
