#include "tessellar/shell/customisable_toolbar.h"

#include <QAction>
#include <QToolButton>

namespace shell {

CustomisableToolbar::CustomisableToolbar(const QString& title, QStringList defaultButtons, ActionLookup lookup,
                                         QAction* customize, QWidget* parent)
    : QToolBar(title, parent), defaultButtons_(std::move(defaultButtons)), lookup_(std::move(lookup)),
      customize_(customize) {
    setAccessibleName(title);
    Reset();
}

void CustomisableToolbar::SetButtons(const QStringList& buttons) {
    clear();
    buttons_.clear();
    for (const QString& name : buttons) {
        if (name == QLatin1String(kSeparatorName)) {
            // No separator first, last or twice in a row.
            if (!buttons_.isEmpty() && buttons_.last() != QLatin1String(kSeparatorName)) {
                addSeparator();
                buttons_.append(name);
            }
            continue;
        }
        QAction* action = lookup_ ? lookup_(name) : nullptr;
        if (action == nullptr || buttons_.contains(name)) continue;
        addAction(action);
        if (auto* button = qobject_cast<QToolButton*>(widgetForAction(action))) {
            button->setObjectName(name + QStringLiteral("Button"));
            button->setAccessibleName(action->iconText());
            if (action->icon().isNull()) button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        }
        buttons_.append(name);
    }
    if (!buttons_.isEmpty() && buttons_.last() == QLatin1String(kSeparatorName)) {
        buttons_.removeLast();
        removeAction(actions().last());
    }
    if (customize_ != nullptr) {
        addSeparator();
        addAction(customize_);
        if (auto* button = qobject_cast<QToolButton*>(widgetForAction(customize_))) {
            button->setObjectName(QStringLiteral("customizeButton"));
            button->setAccessibleName(customize_->text());
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        }
    }
    emit buttonsChanged();
}

}  // namespace shell
