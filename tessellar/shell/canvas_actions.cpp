#include "tessellar/shell/canvas_actions.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include <optional>

#include "platform/message_format.h"
#include "platform/qt/cp1252_text.h"
#include "tessellar/canvas/interaction/interaction_texts.h"
#include "tessellar/canvas/render/tessel_view.h"
#include "tessellar/shell/main_frame.h"
#include "tessellar/shell/selection_pane.h"

namespace shell {

namespace {

using canvas::interaction::CanvasCommand;
using canvas::interaction::SelectionKind;

struct CanvasAction {
    ActionId action;
    CanvasCommand command;
};

// In the context menu's order; the first four form the "Add Field" submenu.
constexpr CanvasAction kCanvasActions[] = {
    {ActionId::AddDatabaseField, CanvasCommand::AddDatabaseField},
    {ActionId::AddGlobalField, CanvasCommand::AddGlobalField},
    {ActionId::AddLocalField, CanvasCommand::AddLocalField},
    {ActionId::AddDataEntryField, CanvasCommand::AddDataEntryField},
    {ActionId::AddPrompt, CanvasCommand::AddPrompt},
    {ActionId::AddBox, CanvasCommand::AddBox},
    {ActionId::AddMode, CanvasCommand::AddMode},
    {ActionId::FieldTrigger, CanvasCommand::FieldTrigger},
    {ActionId::DisplayTrigger, CanvasCommand::DisplayTrigger},
    {ActionId::OptionTrigger, CanvasCommand::OptionTrigger},
    {ActionId::ModeTrigger, CanvasCommand::ModeTrigger},
    {ActionId::ModeTriggerFromList, CanvasCommand::ModeTriggerFromList},
    {ActionId::ScreenTrigger, CanvasCommand::ScreenTrigger},
    {ActionId::ModifyConfirm, CanvasCommand::ModifyConfirm},
    {ActionId::ModeFromList, CanvasCommand::ModeFromList},
    {ActionId::ScreenTitle, CanvasCommand::ScreenTitle},
    {ActionId::Suppress, CanvasCommand::Suppress},
    {ActionId::Rename, CanvasCommand::Rename},
    {ActionId::Properties, CanvasCommand::Properties},
};
constexpr int kAddFieldEntries = 4;
// Toolbar commands of the canvas, in no menu.
constexpr CanvasAction kToolbarCanvasActions[] = {
    {ActionId::UnsuppressField, CanvasCommand::UnsuppressField},
};
// The Edit menu's selection and its Align submenu (also a toolbar group).
constexpr CanvasAction kSelectAllAction{ActionId::SelectAll, CanvasCommand::SelectAll};
constexpr CanvasAction kAlignActions[] = {
    {ActionId::AlignLeft, CanvasCommand::AlignLeft},         {ActionId::AlignRight, CanvasCommand::AlignRight},
    {ActionId::AlignTop, CanvasCommand::AlignTop},           {ActionId::AlignBottom, CanvasCommand::AlignBottom},
    {ActionId::MakeSameWidth, CanvasCommand::MakeSameWidth}, {ActionId::SpaceEvenlyDown, CanvasCommand::SpaceEvenlyDown},
};
constexpr int kEnableInterval = 200;  // ms between refreshes of the enabled states
constexpr int kNoteMilliseconds = 10000;  // how long a group action's note stays

std::optional<SelectedItem> Selected(canvas::CScreenCanvas& canvas) {
    const canvas::interaction::ItemHit& hit = canvas.CurrentInteraction().Selection();
    switch (hit.kind) {
        case SelectionKind::Display: return SelectedItem{SelectedKind::Display, hit.display->text.Current()};
        case SelectionKind::Accept: return SelectedItem{SelectedKind::Accept, hit.accept->name};
        case SelectionKind::Option: return SelectedItem{SelectedKind::Menu, hit.option->label.Current()};
        case SelectionKind::Mode: return SelectedItem{SelectedKind::Mode, hit.mode->label.Current()};
        case SelectionKind::Box: return SelectedItem{SelectedKind::Other, hit.box->title.Current()};
        default: return std::nullopt;
    }
}

}  // namespace

QString CanvasPaneText(canvas::CTesselView& view) {
    canvas::CScreenCanvas* canvas = view.Canvas();
    if (canvas == nullptr) return platform::QStringFromCp1252(SelectionPaneText(false, std::nullopt));
    if (const std::optional<model::CellPosition> cell = canvas->DragCell()) {
        return QString::fromStdString(
            platform::FormatText(canvas::interaction::texts::kDragCellFormat, cell->row, cell->column));
    }
    const std::string key = SelectionPaneText(true, Selected(*canvas));
    const int count = canvas->CurrentInteraction().SelectedCount();
    if (count > 1) {
        return platform::QStringFromCp1252(
            platform::FormatText(canvas::interaction::texts::kSeveralSelectedFormat, key.c_str(), count));
    }
    return platform::QStringFromCp1252(key);
}

void ConnectCanvasActions(CMainFrame& frame, std::function<void()> afterChange) {
    canvas::CTesselView* view = frame.View();
    view->SetServices({&frame.Document().Core(), &frame.Messages(), std::move(afterChange),
                       [&frame](const std::string& note) {
                           frame.statusBar()->showMessage(platform::QStringFromCp1252(note), kNoteMilliseconds);
                       }});

    QMenu* edit = frame.menuBar()->findChild<QMenu*>(QStringLiteral("editMenu"));
    QMenu* addField = nullptr;
    if (edit != nullptr) {
        edit->addSeparator();
        addField = edit->addMenu(QString::fromLatin1(canvas::interaction::texts::kAddFieldMenu));
        addField->setObjectName(QStringLiteral("editAddFieldMenu"));
        addField->setAccessibleName(QStringLiteral("Add Field"));
    }
    for (int index = 0; index < static_cast<int>(std::size(kCanvasActions)); ++index) {
        const CanvasAction& entry = kCanvasActions[index];
        QAction* action = frame.Action(entry.action);
        QObject::connect(action, &QAction::triggered, view,
                         [view, command = entry.command] { view->Execute(command); });
        if (edit == nullptr) continue;
        if (entry.command == CanvasCommand::FieldTrigger || entry.command == CanvasCommand::ModifyConfirm ||
            entry.command == CanvasCommand::Suppress) {
            edit->addSeparator();
        }
        (index < kAddFieldEntries ? addField : edit)->addAction(action);
    }
    for (const CanvasAction& entry : kToolbarCanvasActions) {
        QObject::connect(frame.Action(entry.action), &QAction::triggered, view,
                         [view, command = entry.command] { view->Execute(command); });
    }
    QMenu* align = nullptr;
    if (edit != nullptr) {
        edit->addSeparator();
        edit->addAction(frame.Action(kSelectAllAction.action));
        align = edit->addMenu(QString::fromLatin1(canvas::interaction::texts::kAlignMenu));
        align->setObjectName(QStringLiteral("editAlignMenu"));
        align->setAccessibleName(QStringLiteral("Align"));
    }
    QObject::connect(frame.Action(kSelectAllAction.action), &QAction::triggered, view,
                     [view] { view->Execute(CanvasCommand::SelectAll); });
    for (const CanvasAction& entry : kAlignActions) {
        QObject::connect(frame.Action(entry.action), &QAction::triggered, view,
                         [view, command = entry.command] { view->Execute(command); });
        if (align != nullptr) align->addAction(frame.Action(entry.action));
    }

    const auto refresh = [&frame, view] {
        for (const CanvasAction& entry : kCanvasActions) {
            frame.Action(entry.action)->setEnabled(view->CommandEnabled(entry.command));
        }
        for (const CanvasAction& entry : kToolbarCanvasActions) {
            frame.Action(entry.action)->setEnabled(view->CommandEnabled(entry.command));
        }
        frame.Action(kSelectAllAction.action)->setEnabled(view->CommandEnabled(kSelectAllAction.command));
        for (const CanvasAction& entry : kAlignActions) {
            frame.Action(entry.action)->setEnabled(view->CommandEnabled(entry.command));
        }
    };
    auto* idle = new QTimer(&frame);
    idle->setInterval(kEnableInterval);
    QObject::connect(idle, &QTimer::timeout, &frame, refresh);
    idle->start();
    QObject::connect(view, &canvas::CTesselView::Changed, &frame, refresh);
    QObject::connect(view, &canvas::CTesselView::DragCellChanged, &frame,
                     [&frame, view] { frame.SelectionPane()->setText(CanvasPaneText(*view)); });
}

}  // namespace shell
