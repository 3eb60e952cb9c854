#pragma once
// The Undo and Redo buttons of the "Standard" toolbar (`CUndoButton`,
// `CRedoButton`): a click performs the command of the button's action (one
// step, or the number chosen in the drop-down); the arrow opens the
// drop-down list of the recorded labels. Choosing k items there sets the
// command's step count to k and performs the command. The buttons follow
// their action's enabled state; menus show the plain action.

#include <QWidgetAction>

#include <functional>
#include <string>
#include <vector>

namespace shell {

class StepListBar;

class StepDropDownButton : public QWidgetAction {
    Q_OBJECT
public:
    using LabelSource = std::function<std::vector<std::string>()>;
    using StepChoice = std::function<void(int steps)>;

    StepDropDownButton(QAction* command, const char* label, const char* statusFormat, const char* listName,
                       LabelSource labels, StepChoice choose, QObject* parent);

    QAction* Command() const { return command_; }

protected:
    QWidget* createWidget(QWidget* parent) override;

private:
    void Follow();

    QAction* command_;
    const char* statusFormat_;
    QString listName_;
    LabelSource labels_;
    StepChoice choose_;
};

class CUndoButton : public StepDropDownButton {
    Q_OBJECT
public:
    CUndoButton(QAction* undo, LabelSource labels, StepChoice choose, QObject* parent);
};

class CRedoButton : public StepDropDownButton {
    Q_OBJECT
public:
    CRedoButton(QAction* redo, LabelSource labels, StepChoice choose, QObject* parent);
};

}  // namespace shell
