#pragma once
// For window tests: opening the Undo and Redo drop-downs of the "Standard"
// toolbar and pointing at or choosing their rows, as the mouse does.

#include <QListWidget>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

#include "tessellar/shell/customisable_toolbar.h"
#include "tessellar/shell/main_frame.h"
#include "tessellar/shell/step_list_bar.h"
#include "tessellar/shell/undo_buttons.h"

namespace testsupport {

// Runs answer once the condition holds, looking every 10 ms.
inline void When(std::function<bool()> ready, std::function<void()> answer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, ready, answer] {
        if (!ready()) return;
        timer->stop();
        timer->deleteLater();
        answer();
    });
    timer->start();
}

inline QToolButton* DropDownButton(shell::CMainFrame& window, QAction* button) {
    return qobject_cast<QToolButton*>(window.StandardBar()->widgetForAction(button));
}

// Opens a drop-down; while it is open, `inside` gets its bar. The drop-down
// is closed afterwards unless `inside` closed it.
inline void WithDropDown(shell::CMainFrame& window, QAction* dropDown, std::function<void(shell::StepListBar*)> inside) {
    QToolButton* button = DropDownButton(window, dropDown);
    QVERIFY(button != nullptr && button->menu() != nullptr);
    QMenu* menu = button->menu();
    When([menu] { return menu->isVisible(); }, [menu, inside] {
        inside(menu->findChild<shell::StepListBar*>());
        if (menu->isVisible()) menu->close();
    });
    button->showMenu();
}

inline void Hover(shell::StepListBar* bar, int row) {
    QTest::mouseMove(bar->List()->viewport(), bar->List()->visualItemRect(bar->List()->item(row)).center());
}

inline void ReleaseOn(shell::StepListBar* bar, int row) {
    QTest::mouseClick(bar->List()->viewport(), Qt::LeftButton, {},
                      bar->List()->visualItemRect(bar->List()->item(row)).center());
}

// Chooses `steps` in a drop-down: a release on its row steps - 1.
inline void ChooseSteps(shell::CMainFrame& window, QAction* dropDown, int steps) {
    WithDropDown(window, dropDown, [steps](shell::StepListBar* bar) {
        Hover(bar, steps - 1);
        ReleaseOn(bar, steps - 1);
    });
}

}  // namespace testsupport
