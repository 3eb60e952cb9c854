#include "tessellar/canvas/render/screen_canvas.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <QStyle>

#include "platform/qt/cp1252_text.h"
#include "tessellar/canvas/interaction/add_placement.h"
#include "tessellar/canvas/interaction/interaction_texts.h"
#include "tessellar/canvas/render/change_highlight.h"
#include "tessellar/canvas/render/data_grid.h"
#include "tessellar/canvas/render/qt_geometry.h"
#include "tessellar/canvas/render/screen_painter.h"
#include "tessellar/commands/command_checks.h"
#include "tessellar/commands/command_texts.h"
#include "tessellar/overrides/item_placement.h"

namespace canvas {

namespace {

using interaction::CanvasCommand;
using interaction::PixelPoint;
using interaction::PixelRect;

Qt::CursorShape Shape(interaction::Cursor cursor) {
    switch (cursor) {
        case interaction::Cursor::Arrow: return Qt::ArrowCursor;
        case interaction::Cursor::FourWay: return Qt::SizeAllCursor;
        case interaction::Cursor::NorthSouth: return Qt::SizeVerCursor;
        case interaction::Cursor::WestEast: return Qt::SizeHorCursor;
        case interaction::Cursor::NorthWestSouthEast: return Qt::SizeFDiagCursor;
        case interaction::Cursor::NorthEastSouthWest: return Qt::SizeBDiagCursor;
        case interaction::Cursor::Cross: return Qt::CrossCursor;
    }
    return Qt::ArrowCursor;
}

}  // namespace

int SystemScrollBarWidth() {
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return application->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    }
    return 16;
}

CScreenCanvas::CScreenCanvas(const CanvasPlacement& placement, CellMetrics cell, model::CScreenModel& model,
                             QWidget* parent)
    : QWidget(parent),
      placement_(placement),
      cell_(cell),
      model_(model),
      interaction_(interaction::CellSize{std::max(1, cell.width), std::max(1, cell.height)}) {
    setWindowTitle(QString::fromStdString(model.Title().Current()));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);  // Tab reaches the screen too, not only a click
    setContextMenuPolicy(Qt::PreventContextMenu);  // the menu opens on the right button's release
    resize(placement.ClientRect(cell).size());

    editor_ = new QLineEdit(this);
    editor_->setObjectName(QStringLiteral("renameEditor"));
    editor_->setAccessibleName(QStringLiteral("Rename"));
    editor_->setMaxLength(interaction::kRenameLimit);
    editor_->setFrame(false);
    editor_->setFont(ToQFont(model::ItemFont(model.CustomFont())));
    editor_->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid black; background: white; color: black; }"));
    editor_->hide();
    editor_->installEventFilter(this);
    // Return commits the text and hands the focus back. The commit must not wait for the focus
    // to arrive: a window that is not active yet gets it only later.
    connect(editor_, &QLineEdit::returnPressed, this, [this] {
        const QPointer<CScreenCanvas> self(this);  // the refresh may replace the canvas
        if (pending_ != PendingEdit::None && editor_->isVisible()) CommitEditor();
        if (self) setFocus(Qt::OtherFocusReason);
    });
    // The editor grows with the text typed, as it was widened to the text it began with.
    connect(editor_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int wanted = std::max(editorWidth_, static_cast<int>(text.size() + 1) * CellSizeOf().width);
        editor_->resize(std::min(wanted, width() - editor_->x()), editor_->height());
    });
}

CScreenCanvas::~CScreenCanvas() = default;

void CScreenCanvas::SetButtonColours(model::ColourPair colours) {
    buttonColours_ = colours;
    update();
}

void CScreenCanvas::SetEditing(const CanvasServices* services, const EditRequests* requests) {
    services_ = services;
    requests_ = requests;
}

void CScreenCanvas::Replace(const CanvasPlacement& placement) {
    placement_ = placement;
    FitToPlacement();
    update();
}

void CScreenCanvas::FitToPlacement() {
    const QSize size = placement_.ClientRect(cell_).size();
    if (this->size() != size) resize(size);
}

bool CScreenCanvas::HoldsKeys() const {
    const QWidget* focused = window()->focusWidget();
    return hasFocus() || (focused != nullptr && (focused == this || isAncestorOf(focused)));
}

void CScreenCanvas::TakeKeys() {
    QWidget* frame = window();
    if (frame->isVisible() && !frame->isActiveWindow() && QApplication::activeModalWidget() == nullptr &&
        QApplication::activePopupWidget() == nullptr) {
        frame->activateWindow();
    }
    setFocus(Qt::OtherFocusReason);
}

void CScreenCanvas::SelectWindow() {
    interaction_.SelectWindow(model_);
    setFocus(Qt::MouseFocusReason);  // Shift and the arrow keys resize it too
    ShowCursor();
    update();
}

const interaction::CanvasInteraction& CScreenCanvas::CurrentInteraction() {
    interaction_.Refresh(model_);
    return interaction_;
}

bool CScreenCanvas::CommandEnabled(CanvasCommand command) {
    return interaction::CommandEnabled(command, CurrentInteraction(), model_);
}

std::optional<model::CellPosition> CScreenCanvas::DragCell() const {
    if (!interaction_.Dragging()) return std::nullopt;
    const interaction::CellPoint at = interaction_.CellAtMouse();
    return overrides::AbsolutePosition(model_, {at.row, at.column});
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

    model::CReviewArea* area = model_.ReviewArea();
    // A rebuilt screen has a new review area: the grid is made again for it.
    if (dataGrid_ && (area != gridArea_ || area == nullptr || !area->IsDataGrid())) {
        delete dataGrid_;
        gridArea_ = nullptr;
    }
    if (area != nullptr && area->IsDataGrid()) {
        if (!dataGrid_) {
            dataGrid_ = new CMyDataGrid(*area, cell_, this);
            gridArea_ = area;
            // The selection's handles follow its item to where the scroll draws it.
            connect(dataGrid_, &CMyDataGrid::Scrolled, this, [this] {
                PrepareInteraction();
                interaction_.Refresh(model_);
                update();
            });
        }
        dataGrid_->Refresh(LayOutDataGrid(*area, cell_, inputs.scrollBarWidth));
        inputs.gridScrollFactor = dataGrid_->ScrollFactor();
    }
    QPainter painter(this);
    PaintScreen(painter, inputs);
    PaintEditing(painter);
}

void CScreenCanvas::PaintEditing(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (interaction_.ShowsHandles() && !interaction_.Dragging() && !editor_->isVisible()) {
        const PixelRect frame = interaction_.HandleCorners();
        const bool window = interaction_.SelectedKind() == interaction::SelectionKind::Window;
        for (int number = 1; number <= 8; ++number) {
            const auto handle = static_cast<interaction::Handle>(number);
            if (window && !interaction::WindowHandle(handle)) continue;
            painter.fillRect(ToQRect(interaction::HandleSquare(frame, handle)), Qt::black);
        }
    }
    // The other selected items: a lighter frame than the key item's handles.
    if (!interaction_.Dragging()) {
        painter.setPen(QPen(QColor(128, 128, 128), 1, Qt::SolidLine));
        painter.setBrush(Qt::NoBrush);
        for (const PixelRect& frame : interaction_.OtherFrames()) {
            const QRect outline = ToQRect(frame);
            painter.drawRect(outline.adjusted(-1, -1, 0, 0));
            // Hollow corner marks, so a frame on a line of the same grey still shows.
            for (const QPoint corner : {outline.topLeft(), outline.topRight(), outline.bottomLeft(), outline.bottomRight()}) {
                painter.fillRect(QRect(corner - QPoint(2, 2), QSize(5, 5)), Qt::white);
                painter.drawRect(QRect(corner - QPoint(2, 2), QSize(4, 4)));
            }
        }
    }
    for (const PixelRect& band : interaction_.GroupBands()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawRect(ToQRect(band).adjusted(0, 0, -1, -1));
    }
    if (const std::optional<PixelRect> band = interaction_.RubberBand(); band && interaction_.GroupBands().empty()) {
        // An outline, drawn with the screen in the paint pass.
        QPen pen(Qt::black, 1, Qt::DashLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const QRect outline = ToQRect(*band);
        painter.drawRect(outline.adjusted(0, 0, -1, -1));
    }
    if (const std::optional<PixelRect> mark = interaction_.InsertionMark()) {
        painter.fillRect(ToQRect(*mark), Qt::black);
    }
    painter.restore();
}

void CScreenCanvas::PrepareInteraction() {
    const model::CReviewArea* area = model_.ReviewArea();
    const bool grid = area != nullptr && area->IsDataGrid() && model_.IsDataGrid();
    interaction_.SetGridShift(grid ? area->scrollColumn : 0);
    if (dataGrid_ && !dataGrid_->Geometry().rect.isEmpty()) {
        const QRect window = dataGrid_->Geometry().rect;
        interaction_.SetDataGridWindow(PixelRect{window.left(), window.top(), window.right() + 1, window.bottom() + 1});
    } else {
        interaction_.SetDataGridWindow(std::nullopt);
    }
}

void CScreenCanvas::ShowCursor() { setCursor(Shape(interaction_.CurrentCursor())); }

void CScreenCanvas::mousePressEvent(QMouseEvent* event) {
    const PixelPoint p = ToPixel(event->position());
    PrepareInteraction();
    // The click that drops a field attached to the mouse, found again
    // should the screen have been rebuilt meanwhile.
    if (event->button() == Qt::LeftButton && interaction_.Attached() && interaction_.Refresh(model_)) {
        const interaction::GestureOutcome outcome = interaction_.Release(p);
        ShowCursor();
        dragCell_ = {-1, -1};
        emit DragCellChanged();
        return Perform(outcome);
    }
    if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier) != 0) {
        interaction_.Refresh(model_);
        interaction_.TogglePress(model_, p);
        dragCell_ = {-1, -1};
    } else if (event->button() == Qt::LeftButton) {
        interaction_.Refresh(model_);
        interaction_.Press(model_, p);
        dragCell_ = {-1, -1};
    } else if (event->button() == Qt::RightButton) {
        setFocus(Qt::MouseFocusReason);
        interaction_.RightPress(model_, p);
        NoteHiddenItem();
    }
    ShowCursor();
    update();
}

void CScreenCanvas::wheelEvent(QWheelEvent* event) {
    // Over a grid that scrolls, the wheel scrolls its columns.
    QScrollBar* bar = dataGrid_ ? dataGrid_->ScrollBar() : nullptr;
    if (bar != nullptr && bar->isVisible() && dataGrid_->Geometry().rect.contains(event->position().toPoint())) {
        QCoreApplication::sendEvent(bar, event);
        return;
    }
    QWidget::wheelEvent(event);
}

void CScreenCanvas::mouseMoveEvent(QMouseEvent* event) {
    const PixelPoint p = ToPixel(event->position());
    // A field attached to the mouse is dragged without a button.
    if ((event->buttons() & Qt::LeftButton) == 0 && !interaction_.Attached()) {
        interaction_.Hover(p);
        ShowCursor();
        return;
    }
    if (interaction_.Drag(p)) {
        // A window dragged larger shows its new size beyond the old one.
        if (interaction_.SelectedKind() == interaction::SelectionKind::Window && interaction_.RubberBand()) {
            const PixelRect band = *interaction_.RubberBand();
            resize(placement_.ClientRect(cell_).size().expandedTo(QSize(band.right + 1, band.bottom + 1)));
        }
        update();
    }
    const interaction::CellPoint cell = interaction_.CellAtMouse();
    if (interaction_.Dragging() && !(cell == dragCell_)) {
        dragCell_ = cell;
        emit DragCellChanged();
    }
    ShowCursor();
}

void CScreenCanvas::mouseReleaseEvent(QMouseEvent* event) {
    const PixelPoint p = ToPixel(event->position());
    if (event->button() == Qt::RightButton) {
        interaction_.RightRelease(p);
        update();
        ShowContextMenu(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    const bool dragged = interaction_.Dragging();
    const interaction::GestureOutcome outcome = interaction_.Release(p);
    ShowCursor();
    FitToPlacement();
    if (dragged) {
        dragCell_ = {-1, -1};
        emit DragCellChanged();
    }
    Perform(outcome);
}

void CScreenCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    PrepareInteraction();
    interaction_.SelectAt(model_, ToPixel(event->position()));
    const interaction::ItemHit hit = interaction_.Selection();
    if (!hit) {
        update();
        return;
    }
    AfterSheet([this, hit] { return OpenSheet(hit); });
}

void CScreenCanvas::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        interaction_.Escape();
        FitToPlacement();
        ShowCursor();
        update();
        return;
    }
    if (key == Qt::Key_Delete) {
        if (CommandEnabled(CanvasCommand::Suppress)) Execute(CanvasCommand::Suppress);
        return;
    }
    int rows = 0;
    int columns = 0;
    switch (key) {
        case Qt::Key_Left: columns = -1; break;
        case Qt::Key_Right: columns = 1; break;
        case Qt::Key_Up: rows = -1; break;
        case Qt::Key_Down: rows = 1; break;
        default: QWidget::keyPressEvent(event); return;
    }
    PrepareInteraction();
    if (!interaction_.Refresh(model_)) {
        QWidget::keyPressEvent(event);  // nothing selected: the view scrolls
        return;
    }
    const interaction::GestureOutcome outcome =
        interaction_.Nudge(rows, columns, (event->modifiers() & Qt::ShiftModifier) != 0);
    if (outcome.kind == interaction::OutcomeKind::MoveGroup) return MoveGroup(outcome.by);
    if (!outcome.AsksForCommand()) {
        if (outcome.refusal != nullptr) Refuse(outcome.refusal);
        return;
    }
    // The item stays selected at its new place, so the next key goes on.
    IssueKeepingSelection(outcome);
}

void CScreenCanvas::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (pending_ != PendingEdit::None && editor_->isVisible()) CommitEditor();
}

bool CScreenCanvas::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        CancelEditor();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace canvas
