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
#include "tessellar/canvas/render/screen_painter.h"
#include "tessellar/commands/command_checks.h"
#include "tessellar/commands/command_texts.h"
#include "tessellar/overrides/item_placement.h"

namespace canvas {

namespace {

using interaction::CanvasCommand;
using interaction::PixelPoint;
using interaction::PixelRect;
using interaction::SelectionKind;
namespace command = commands::texts;

constexpr int kNewPromptColumns = 12;  // the editor's width for a new prompt's text

PixelPoint ToPixel(const QPointF& point) { return {static_cast<int>(point.x()), static_cast<int>(point.y())}; }
QRect ToQRect(const PixelRect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

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

std::string PairText(model::CellPosition at) { return std::to_string(at.row) + "," + std::to_string(at.column); }

// The pixel a reselection looks at: inside the top-left cell.
PixelPoint InsideCell(int row, int column, CellMetrics cell) {
    return {column * cell.width + cell.width / 2, row * cell.height + cell.height / 2};
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
    setFocusPolicy(Qt::ClickFocus);
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
        for (int number = 1; number <= 8; ++number) {
            const auto handle = static_cast<interaction::Handle>(number);
            painter.fillRect(ToQRect(interaction::HandleSquare(frame, handle)), Qt::black);
        }
    }
    if (const std::optional<PixelRect> band = interaction_.RubberBand()) {
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
    if (event->button() == Qt::LeftButton) {
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
    if (interaction_.Drag(p)) update();
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
        interaction_.Cancel();
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
    if (!outcome.AsksForCommand()) {
        if (outcome.refusal != nullptr) Refuse(outcome.refusal);
        return;
    }
    // The item stays selected at its new place, so the next key goes on.
    const bool box = outcome.kind == interaction::OutcomeKind::MoveBox;
    const PixelPoint again = box ? InsideCell(outcome.corners.top, outcome.corners.left, cell_)
                                 : InsideCell(outcome.at.row, outcome.at.column, cell_);
    const QPointer<CScreenCanvas> self(this);
    if (Issue(outcome.command, outcome.key, interaction::CommandValues(outcome, model_)) && self) {
        interaction_.SelectAt(model_, again);
        update();
    }
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

void CScreenCanvas::ShowContextMenu(const QPoint& globalPosition) {
    QMenu menu(this);
    menu.setObjectName(QString::fromLatin1(interaction::texts::kContextMenuName));
    menu.setAccessibleName(menu.objectName());
    // The looks' style sheets colour every entry alike; disabled ones must look it.
    menu.setStyleSheet(QStringLiteral("QMenu::item:disabled { color: palette(mid); }"));
    QMenu* addField = menu.addMenu(QString::fromLatin1(interaction::texts::kAddFieldMenu));
    addField->setObjectName(QStringLiteral("addFieldMenu"));
    addField->setAccessibleName(QStringLiteral("Add Field"));
    bool anyField = false;
    for (int index = 0; index < interaction::kCanvasCommandCount; ++index) {
        const auto command = static_cast<CanvasCommand>(index);
        const bool inAddField = command <= CanvasCommand::AddDataEntryField;
        if (command == CanvasCommand::FieldTrigger || command == CanvasCommand::ModifyConfirm ||
            command == CanvasCommand::Suppress) {
            menu.addSeparator();
        }
        QMenu* target = inAddField ? addField : &menu;
        const std::string_view text = interaction::CommandText(command);
        QAction* action = target->addAction(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
        action->setData(index);
        action->setEnabled(CommandEnabled(command));
        if (inAddField && action->isEnabled()) anyField = true;
    }
    addField->setEnabled(anyField);
    QAction* chosen = menu.exec(globalPosition);
    if (chosen != nullptr) Execute(static_cast<CanvasCommand>(chosen->data().toInt()));
}

void CScreenCanvas::Execute(CanvasCommand command) {
    if (!CommandEnabled(command)) return;
    switch (command) {
        case CanvasCommand::AddDatabaseField: AddField(model::FieldList::RecordSource); break;
        case CanvasCommand::AddGlobalField: AddField(model::FieldList::Program); break;
        case CanvasCommand::AddLocalField: AddField(model::FieldList::ScreenLocal); break;
        case CanvasCommand::AddPrompt: AddPrompt(); break;
        case CanvasCommand::AddBox:
            interaction_.ArmBoxTool();
            ShowCursor();
            update();
            break;
        case CanvasCommand::AddMode: AddMode(); break;
        case CanvasCommand::ModifyConfirm:
            AfterSheet([this] { return requests_ && requests_->openConfirmSheet && requests_->openConfirmSheet(); });
            break;
        case CanvasCommand::ModeFromList:
            AfterSheet([this] { return requests_ && requests_->openModeFromList && requests_->openModeFromList(); });
            break;
        case CanvasCommand::ScreenTitle:
            AfterSheet([this] {
                return requests_ && requests_->openScreenTitleSheet && requests_->openScreenTitleSheet();
            });
            break;
        case CanvasCommand::AddDataEntryField: ReleaseSuppressed(lists::SuppressedListUse::DataEntryFields); break;
        case CanvasCommand::UnsuppressField: ReleaseSuppressed(lists::SuppressedListUse::AllSuppressed); break;
        case CanvasCommand::Suppress: Suppress(); break;
        case CanvasCommand::Unsuppress: Unsuppress(); break;
        case CanvasCommand::Rename: {
            const interaction::ItemHit& hit = interaction_.Selection();
            const std::string& text = hit.display->text.Current();
            pendingKey_ = interaction_.SelectedKey();
            StartEditor(interaction::RenameEditorRect(hit.cells, static_cast<int>(text.size()), CellSizeOf()),
                        text, PendingEdit::Rename);
            break;
        }
        case CanvasCommand::Properties: {
            const interaction::ItemHit hit = interaction_.Selection();
            AfterSheet([this, hit] { return OpenSheet(hit); });
            break;
        }
        case CanvasCommand::FieldTrigger:
        case CanvasCommand::DisplayTrigger:
        case CanvasCommand::OptionTrigger:
        case CanvasCommand::ModeTrigger: {
            const interaction::ItemHit hit = interaction_.Selection();
            AfterSheet([this, hit] { return OpenTrigger(hit); });
            break;
        }
        case CanvasCommand::ModeTriggerFromList:
            AfterSheet([this] {
                return requests_ && requests_->openModeTriggerFromList && requests_->openModeTriggerFromList();
            });
            break;
        case CanvasCommand::ScreenTrigger:
            AfterSheet([this] { return requests_ && requests_->openScreenTrigger && requests_->openScreenTrigger(); });
            break;
        default: break;
    }
}

bool CScreenCanvas::Issue(std::string_view name, const commands::ItemKey& key,
                          const std::vector<commands::CommandValue>& values) {
    bool changed = false;
    if (services_ != nullptr && services_->document != nullptr && services_->sink != nullptr) {
        commands::MadeCommand made = commands::MakeCommand(model_, name, key, values);
        if (made.command) {
            changed = services_->document->Run(model_, *made.command, *services_->sink);
        } else {
            services_->sink->ShowMessage(made.error);
        }
    }
    AfterEdit(changed);
    return changed;
}

void CScreenCanvas::Refuse(std::string_view message) {
    if (services_ != nullptr && services_->sink != nullptr) services_->sink->ShowMessage(message);
    AfterEdit(false);
}

void CScreenCanvas::AfterEdit(bool changed) {
    interaction_.ResetSelection();
    ShowCursor();
    update();
    if (!changed) return;
    const QPointer<CScreenCanvas> self(this);
    if (services_ != nullptr && services_->afterChange) services_->afterChange();
    if (self) emit Changed();  // the refresh may have replaced the canvas
}

void CScreenCanvas::AfterSheet(const std::function<bool()>& open) {
    // A dialog's refresh may replace the canvas; then nothing here is touched again.
    const QPointer<CScreenCanvas> self(this);
    const bool issued = open();
    if (self) AfterEdit(issued);
}

void CScreenCanvas::Perform(const interaction::GestureOutcome& outcome) {
    if (outcome.refusal != nullptr) {
        Refuse(outcome.refusal);
    } else if (outcome.AsksForCommand()) {
        Issue(outcome.command, outcome.key, interaction::CommandValues(outcome, model_));
    } else {
        update();
    }
}

void CScreenCanvas::AddField(model::FieldList list) {
    const std::optional<PixelPoint> click = interaction_.LastRightClick();
    if (!click) return;
    if (const commands::Refusal empty = commands::CheckFieldList(model_, list)) return Refuse(*empty);
    PrepareInteraction();
    const model::CReviewArea* area = model_.ReviewArea();
    const interaction::AddPlacement placement =
        interaction::PlaceAdd(model_, interaction::AddKind::Field, *click, CellSizeOf(),
                              area != nullptr && model_.IsDataGrid() ? area->scrollColumn : 0);
    if (placement.refusal) return Refuse(*placement.refusal);
    std::optional<std::string> field;
    if (requests_ != nullptr && requests_->chooseField) field = requests_->chooseField(list);
    if (!field || field->empty()) return AfterEdit(false);
    Issue(placement.intoDataGrid ? command::kAddDatagridField : command::kAddField, {},
          {{*field}, {PairText(placement.at)}});
}

void CScreenCanvas::AddPrompt() {
    const std::optional<PixelPoint> click = interaction_.LastRightClick();
    if (!click) return;
    const interaction::AddPlacement placement =
        interaction::PlaceAdd(model_, interaction::AddKind::Prompt, *click, CellSizeOf());
    if (placement.refusal) return Refuse(*placement.refusal);
    // The new prompt's text is typed in place; committing it adds the prompt.
    const interaction::CellPoint cell = interaction::CellUnder(*click, CellSizeOf());
    pendingAt_ = placement.at;
    const interaction::CellRect where{cell.column, cell.row, cell.column + kNewPromptColumns, cell.row + 1};
    StartEditor(where.Pixels(CellSizeOf()), {}, PendingEdit::AddPrompt);
}

void CScreenCanvas::AddMode() {
    std::optional<std::string> name;
    if (requests_ != nullptr && requests_->chooseModeToAdd) name = requests_->chooseModeToAdd();
    if (!name || name->empty()) return AfterEdit(false);
    commands::ItemKey key;
    key.itemClass = commands::ItemClass::Mode;
    key.identifier.statementKind = overrides::StatementKind::Mode;
    key.identifier.identificationKind = static_cast<int>(model::IdentificationKind::Name);
    key.identifier.text = *name;
    Issue(command::kAddMode, key, {});
}

void CScreenCanvas::Suppress() {
    const interaction::ItemHit& hit = interaction_.Selection();
    const commands::ItemKey key = interaction_.SelectedKey();
    switch (hit.kind) {
        case SelectionKind::Display: Issue(command::kSuppressDisplay, key, {}); break;
        case SelectionKind::Accept: {
            // A hidden entry field takes a default in its place.
            if (requests_ != nullptr && requests_->suppressAccept) {
                model::CAcceptFld* field = hit.accept;
                return AfterSheet([this, field] { return requests_->suppressAccept(*field); });
            }
            const bool literal = hit.accept->defaultKind.Current() == 0;
            Issue(command::kSuppressAccept, key, {{hit.accept->defaultValue.Current(), literal}});
            break;
        }
        case SelectionKind::Option: Issue(command::kSuppressMenu, key, {}); break;
        case SelectionKind::Mode: Issue(command::kSuppressMode, key, {}); break;
        case SelectionKind::Box: Issue(command::kSuppressBox, key, {}); break;
        default: break;
    }
}

void CScreenCanvas::NoteHiddenItem() {
    const interaction::ItemHit& hidden = interaction_.SuppressedUnderRightClick();
    hiddenKind_ = hidden.kind;
    if (hidden.display != nullptr) hiddenKey_ = commands::KeyOf(*hidden.display);
    if (hidden.accept != nullptr) hiddenKey_ = commands::KeyOf(*hidden.accept);
    if (hidden.option != nullptr) hiddenKey_ = commands::KeyOf(*hidden.option);
    if (hidden.box != nullptr) hiddenKey_ = commands::KeyOf(*hidden.box);
}

void CScreenCanvas::Unsuppress() {
    switch (hiddenKind_) {
        case SelectionKind::Display: Issue(command::kUnsuppressDisplay, hiddenKey_, {}); break;
        case SelectionKind::Accept: Issue(command::kUnsuppressAccept, hiddenKey_, {}); break;
        case SelectionKind::Option: Issue(command::kUnsuppressMenu, hiddenKey_, {}); break;
        case SelectionKind::Box: Issue(command::kUnsuppressBox, hiddenKey_, {}); break;
        default: update(); break;
    }
    hiddenKind_ = SelectionKind::None;
}

void CScreenCanvas::ReleaseSuppressed(lists::SuppressedListUse use) {
    if (requests_ == nullptr || !requests_->chooseSuppressedField) return;
    const QPointer<CScreenCanvas> self(this);
    const std::optional<lists::ReleasedField> field = requests_->chooseSuppressedField(use);
    if (!self) return;
    if (!field) return AfterEdit(false);
    bool changed = false;
    if (services_ != nullptr && services_->document != nullptr && services_->sink != nullptr) {
        lists::ReleaseBatch release = lists::MakeRelease(model_, *field);
        if (!release.error.empty()) {
            services_->sink->ShowMessage(release.error);
        } else {
            changed = services_->document->Run(model_, release.batch, *services_->sink);
        }
    }
    AfterEdit(changed);
    if (!self || !changed || use != lists::SuppressedListUse::DataEntryFields) return;
    PrepareInteraction();
    if (interaction_.AttachToMouse(model_, field->key, ToPixel(QPointF(mapFromGlobal(QCursor::pos()))))) {
        ShowCursor();
        update();
    }
}

bool CScreenCanvas::OpenSheet(const interaction::ItemHit& hit) {
    if (requests_ == nullptr) return false;
    const EditRequests& r = *requests_;
    switch (hit.kind) {
        case SelectionKind::Display: return r.openDisplaySheet && r.openDisplaySheet(*hit.display);
        case SelectionKind::Accept: return r.openAcceptSheet && r.openAcceptSheet(*hit.accept, cell_.width);
        case SelectionKind::Option: return r.openMenuSheet && r.openMenuSheet(*hit.option);
        case SelectionKind::Mode: return r.openModeSheet && r.openModeSheet(*hit.mode);
        case SelectionKind::Box: return r.openBoxSheet && r.openBoxSheet(*hit.box);
        case SelectionKind::ScreenTitle: return r.openScreenTitleSheet && r.openScreenTitleSheet();
        default: return false;
    }
}

bool CScreenCanvas::OpenTrigger(const interaction::ItemHit& hit) {
    if (requests_ == nullptr) return false;
    const EditRequests& r = *requests_;
    switch (hit.kind) {
        case SelectionKind::Display: return r.openDisplayTrigger && r.openDisplayTrigger(*hit.display);
        case SelectionKind::Accept: return r.openAcceptTrigger && r.openAcceptTrigger(*hit.accept);
        case SelectionKind::Option: return r.openOptionTrigger && r.openOptionTrigger(*hit.option);
        case SelectionKind::Mode: return r.openModeTrigger && r.openModeTrigger(*hit.mode);
        default: return false;
    }
}

void CScreenCanvas::StartEditor(const PixelRect& where, const std::string& text, PendingEdit pending) {
    pending_ = pending;
    QRect geometry = ToQRect(where);
    // Room for the editor's own text: never lower than the font needs.
    geometry.setHeight(std::max(geometry.height(), editor_->sizeHint().height()));
    geometry.setWidth(std::min(geometry.width(), width() - geometry.left()));
    editorWidth_ = geometry.width();
    editor_->setGeometry(geometry);
    editor_->setText(platform::QStringFromCp1252(text));
    editor_->selectAll();
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
}

void CScreenCanvas::CommitEditor() {
    const PendingEdit pending = pending_;
    pending_ = PendingEdit::None;
    const std::string text = platform::Cp1252FromQString(editor_->text().left(interaction::kRenameLimit));
    editor_->clear();
    editor_->hide();
    if (pending == PendingEdit::Rename) {
        const std::optional<commands::ResolvedItem> item = commands::Resolve(model_, pendingKey_);
        // An unchanged or emptied text issues nothing.
        if (text.empty() || !item || item->display == nullptr || item->display->text.Current() == text) {
            return AfterEdit(false);
        }
        Issue(command::kChangeDisplayText, pendingKey_, {{text, true}});
    } else if (pending == PendingEdit::AddPrompt) {
        if (text.empty()) return AfterEdit(false);
        Issue(command::kAddPrompt, {}, {{text, true}, {PairText(pendingAt_)}});
    }
}

void CScreenCanvas::CancelEditor() {
    pending_ = PendingEdit::None;
    editor_->clear();
    editor_->hide();
    setFocus(Qt::OtherFocusReason);
    AfterEdit(false);
}

}  // namespace canvas
