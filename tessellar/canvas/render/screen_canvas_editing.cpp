// The canvas's editing: what its gestures, keys and context menu entries
// ask for becomes a command of the catalogue, a property sheet or a trigger
// dialog, and the in-place editor's text a rename or a new prompt. The
// painted widget and its mouse handling live in screen_canvas.cpp.

#include "tessellar/canvas/render/screen_canvas.h"

#include <QLineEdit>
#include <QMenu>
#include <QPointer>

#include "platform/message_format.h"
#include "platform/qt/cp1252_text.h"
#include "tessellar/canvas/interaction/add_placement.h"
#include "tessellar/canvas/interaction/interaction_texts.h"
#include "tessellar/canvas/render/qt_geometry.h"
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

std::string PairText(model::CellPosition at) { return std::to_string(at.row) + "," + std::to_string(at.column); }

// The pixel a reselection looks at: inside the top-left cell.
PixelPoint InsideCell(int row, int column, CellMetrics cell) {
    return {column * cell.width + cell.width / 2, row * cell.height + cell.height / 2};
}

}  // namespace

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
            // With a mode selected, the confirm is that mode's: the sheet says so.
            AfterSheet([this, forMode = interaction_.SelectedKind() == SelectionKind::Mode] {
                return requests_ && requests_->openConfirmSheet && requests_->openConfirmSheet(forMode);
            });
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
        case CanvasCommand::SelectAll:
            PrepareInteraction();
            interaction_.SelectAll(model_);
            update();
            break;
        default: {
            interaction::Alignment alignment = interaction::Alignment::Left;
            if (interaction::AlignmentOf(command, alignment)) Align(alignment);
            break;
        }
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
    if (changed) interaction_.ForgetRightClick();
    else interaction_.ResetSelection();
    ShowCursor();
    update();
    if (!changed) return;
    const QPointer<CScreenCanvas> self(this);
    if (services_ != nullptr && services_->afterChange) services_->afterChange();
    if (!self) return;  // the refresh replaced the canvas
    // The item stays selected while the rebuilt screen still shows it.
    interaction_.Refresh(model_);
    emit Changed();
}

void CScreenCanvas::AfterSheet(const std::function<bool()>& open) {
    // A dialog's refresh may replace the canvas; then nothing here is touched again.
    const QPointer<CScreenCanvas> self(this);
    const bool keys = HoldsKeys();
    const bool issued = open();
    if (!self) return;
    AfterEdit(issued);
    // The keys come back from the dialog with the screen, whatever activates the window next.
    if (self && keys) TakeKeys();
}

void CScreenCanvas::Perform(const interaction::GestureOutcome& outcome) {
    if (outcome.kind == interaction::OutcomeKind::MoveGroup) return MoveGroup(outcome.by);
    if (outcome.kind == interaction::OutcomeKind::SelectBand) {
        interaction_.SelectBand(model_);
        return update();
    }
    if (outcome.refusal != nullptr) {
        Refuse(outcome.refusal);
    } else if (outcome.AsksForCommand()) {
        IssueKeepingSelection(outcome);
    } else {
        update();
    }
}

bool CScreenCanvas::IssueKeepingSelection(const interaction::GestureOutcome& outcome) {
    // A key that names the item by its place (an added item, a box) changes
    // with a move: then the item is found again where it went.
    std::optional<PixelPoint> again;
    if (outcome.kind == interaction::OutcomeKind::MoveBox) {
        again = InsideCell(outcome.corners.top, outcome.corners.left, cell_);
    } else if (outcome.kind == interaction::OutcomeKind::MoveItem ||
               outcome.kind == interaction::OutcomeKind::ResizeField) {
        again = InsideCell(outcome.at.row, outcome.at.column, cell_);
    }
    const QPointer<CScreenCanvas> self(this);
    const bool issued = Issue(outcome.command, outcome.key, interaction::CommandValues(outcome, model_));
    if (!self) return issued;
    if (issued && interaction_.SelectedKind() == interaction::SelectionKind::None && again) {
        interaction_.SelectAt(model_, *again);
    }
    update();
    return issued;
}

void CScreenCanvas::IssueGroup(const interaction::GroupPlan& plan,
                               const std::vector<interaction::ItemCommand>& commands, const char* leftOutFormat) {
    if (plan.refusal != nullptr) return Refuse(plan.refusal);
    if (plan.leftOut > 0 && services_ != nullptr && services_->note) {
        services_->note(platform::FormatText(leftOutFormat, plan.leftOut));
    }
    if (commands.empty() || services_ == nullptr || services_->document == nullptr || services_->sink == nullptr) {
        return update();
    }
    interaction::GroupBatch group = interaction::MakeGroupBatch(model_, commands);
    if (group.refusal) return Refuse(*group.refusal);
    interaction_.ExpectMoves(plan.outcomes);
    AfterEdit(services_->document->Run(model_, group.batch, *services_->sink));
}

void CScreenCanvas::MoveGroup(model::CellPosition by) {
    PrepareInteraction();
    if (!interaction_.Refresh(model_)) return update();
    const interaction::GroupPlan plan =
        interaction::PlanGroupMove(interaction_.Members(), by.row, by.column, interaction_.Context());
    IssueGroup(plan, interaction::CommandsOf(plan, model_), interaction::texts::kLeftOutOfMoveFormat);
}

void CScreenCanvas::Align(interaction::Alignment alignment) {
    PrepareInteraction();
    if (!interaction_.Refresh(model_)) return update();
    const interaction::GroupPlan plan = interaction::PlanAlignment(alignment, interaction_.Members(), interaction_.Context());
    IssueGroup(plan, interaction::CommandsOf(plan, model_),
               alignment == interaction::Alignment::SameWidth ? interaction::texts::kLeftOutOfWidthFormat
                                                              : interaction::texts::kLeftOutOfMoveFormat);
}

void CScreenCanvas::SuppressGroup() {
    interaction::GroupPlan plan;
    const std::vector<interaction::ItemCommand> commands =
        interaction::SuppressCommands(interaction_.Members(), plan.leftOut);
    IssueGroup(plan, commands, interaction::texts::kLeftOutOfSuppressFormat);
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
    if (interaction_.SelectedCount() > 1) return SuppressGroup();
    const interaction::ItemHit& hit = interaction_.Selection();
    // A hidden entry field takes a default in its place: the user gives it.
    if (hit.kind == SelectionKind::Accept && requests_ != nullptr && requests_->suppressAccept) {
        model::CAcceptFld* field = hit.accept;
        return AfterSheet([this, field] { return requests_->suppressAccept(*field); });
    }
    const std::optional<interaction::ItemCommand> hide =
        interaction::SuppressCommandOf({hit, interaction_.SelectedKey()});
    if (hide) Issue(hide->name, hide->key, hide->values);
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
