#pragma once
// For window tests: acts on the next modal dialog of an object name once it
// runs. A modal dialog still open five seconds later is rejected, so no
// test hangs; the owner's end stops the wait.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <memory>

namespace testsupport {

inline void OnNextModal(QObject* owner, const QString& name, std::function<void(QDialog*)> action) {
    auto* timer = new QTimer(owner);
    auto clock = std::make_shared<QElapsedTimer>();
    auto acted = std::make_shared<bool>(false);
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [action, clock, acted, name] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!*acted && dialog != nullptr && dialog->objectName() == name) {
            *acted = true;
            action(dialog);
            return;
        }
        if (clock->elapsed() > 5000 && dialog != nullptr) dialog->reject();
    });
    timer->start(10);
}

}  // namespace testsupport
