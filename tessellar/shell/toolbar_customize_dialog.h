#pragma once
// "Customize": adds, removes and orders the buttons of the window's
// toolbars, or resets one to its default buttons. Changes show at once.

#include <QDialog>
#include <QList>

class QComboBox;
class QListWidget;

namespace shell {

class CustomisableToolbar;

class ToolbarCustomizeDialog : public QDialog {
    Q_OBJECT
public:
    // available: the action names offered, in menu order.
    ToolbarCustomizeDialog(QList<CustomisableToolbar*> toolbars, QStringList available,
                           std::function<QAction*(const QString&)> lookup, QWidget* parent = nullptr);

private:
    CustomisableToolbar* Current() const;
    void Refresh();
    void Add();
    void Remove();
    void Move(int step);
    void Reset();

    QList<CustomisableToolbar*> toolbars_;
    QStringList available_;
    std::function<QAction*(const QString&)> lookup_;
    QComboBox* toolbarChoice_;
    QListWidget* availableList_;
    QListWidget* buttonList_;
};

}  // namespace shell
