#include "tessellar/shell/undo_buttons.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "tessellar/shell/frame_texts.h"
#include "tessellar/shell/step_list_bar.h"

namespace shell {
namespace {

constexpr const char* kStepDropDownProperty = "stepDropDown";

// A menu's own accessible interface lists its actions, and the list is the
// widget of one: a screen reader would find neither its rows nor its status
// line. The drop-downs are told as the widgets they hold instead.
QAccessibleInterface* StepDropDownAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("QMenu") || !object->property(kStepDropDownProperty).toBool()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::PopupMenu);
}

}  // namespace

StepDropDownButton::StepDropDownButton(QAction* command, const char* label, const char* statusFormat,
                                       const char* listName, LabelSource labels, StepChoice choose, QObject* parent)
    : QWidgetAction(parent),
      command_(command),
      statusFormat_(statusFormat),
      listName_(QString::fromLatin1(listName)),
      labels_(std::move(labels)),
      choose_(std::move(choose)) {
    setObjectName(command->objectName());
    setText(QString::fromLatin1(label));
    Follow();
    connect(command_, &QAction::changed, this, &StepDropDownButton::Follow);
    static const bool installed = [] {
        QAccessible::installFactory(StepDropDownAccessible);
        return true;
    }();
    (void)installed;
}

void StepDropDownButton::Follow() {
    setIcon(command_->icon());
    setToolTip(command_->toolTip());
    setStatusTip(command_->statusTip());
    setEnabled(command_->isEnabled());
}

QWidget* StepDropDownButton::createWidget(QWidget* parent) {
    // Only toolbars carry the drop-down; anywhere else the plain action shows.
    if (qobject_cast<QToolBar*>(parent) == nullptr) return nullptr;
    auto* button = new QToolButton(parent);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    button->setAutoRaise(true);
    const auto follow = [this, button] {
        button->setIcon(command_->icon());
        button->setText(iconText());
        button->setToolTip(command_->toolTip());
        button->setStatusTip(command_->statusTip());
        button->setEnabled(command_->isEnabled());
    };
    follow();
    connect(command_, &QAction::changed, button, follow);
    connect(button, &QToolButton::clicked, command_, [this] { command_->trigger(); });

    auto* menu = new QMenu(button);
    menu->setObjectName(command_->objectName() + QStringLiteral("Menu"));
    // Marked before anything asks for its accessible interface, which is kept.
    menu->setProperty(kStepDropDownProperty, true);
    menu->setAccessibleName(listName_);
    auto* bar = new StepListBar(statusFormat_, listName_, menu);
    auto* holder = new QWidgetAction(menu);
    holder->setDefaultWidget(bar);
    menu->addAction(holder);
    connect(menu, &QMenu::aboutToShow, bar, [this, bar, menu, holder] {
        bar->SetLabels(labels_ ? labels_() : std::vector<std::string>{});
        // The menu keeps the size its entries had when it was last laid out:
        // taking the list out and back makes it measure the list anew.
        menu->removeAction(holder);
        menu->addAction(holder);
    });
    connect(bar, &StepListBar::chosen, menu, [this, menu](int steps) {
        menu->close();
        if (choose_) choose_(steps);
        command_->trigger();
    });
    button->setMenu(menu);
    return button;
}

CUndoButton::CUndoButton(QAction* undo, LabelSource labels, StepChoice choose, QObject* parent)
    : StepDropDownButton(undo, texts::kUndoButton, texts::kUndoActions, texts::kUndoListName, std::move(labels),
                         std::move(choose), parent) {}

CRedoButton::CRedoButton(QAction* redo, LabelSource labels, StepChoice choose, QObject* parent)
    : StepDropDownButton(redo, texts::kRedoButton, texts::kRedoActions, texts::kRedoListName, std::move(labels),
                         std::move(choose), parent) {}

}  // namespace shell
