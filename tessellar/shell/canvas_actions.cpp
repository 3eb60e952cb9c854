#include "tessellar/shell/canvas_actions.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
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
constexpr int kEnableInterval = 200;  // ms between refreshes of the enabled states

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
    return platform::QStringFromCp1252(SelectionPaneText(true, Selected(*canvas)));
}

void ConnectCanvasActions(CMainFrame& frame, std::function<void()> afterChange) {
    canvas::CTesselView* view = frame.View();
    view->SetServices({&frame.Document().Core(), &frame.Messages(), std::move(afterChange)});

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

    const auto refresh = [&frame, view] {
        for (const CanvasAction& entry : kCanvasActions) {
            frame.Action(entry.action)->setEnabled(view->CommandEnabled(entry.command));
        }
        for (const CanvasAction& entry : kToolbarCanvasActions) {
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
