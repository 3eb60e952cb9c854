#pragma once
// For window tests: acts on the next modal window once it runs and has become
// the active window, so that what the action types reaches it however slowly
// the machine activates windows. A window still open five seconds after the
// action (a check failed half way) is rejected, and so is a modal dialog of
// another kind that is up while none of the kind wanted came within ten
// seconds, so no test hangs. The watch ends with its owner, or by itself.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace testsupport {

struct ModalMatch {
    QString objectName;          // empty: any name
    QWidget* notThis = nullptr;  // a modal window that is up already and is not the one meant
};

namespace detail {

inline void RejectIfOpen(QWidget* modal) {
    if (auto* dialog = qobject_cast<QDialog*>(modal); dialog != nullptr && dialog->isVisible()) dialog->reject();
}

}  // namespace detail

// Dialog: the class wanted (QWidget for any modal window).
template <typename Dialog = QDialog>
void OnNextModal(QObject* owner, std::function<void(Dialog*)> action, ModalMatch match = {}) {
    auto* timer = new QTimer(owner);
    auto clock = std::make_shared<QElapsedTimer>();
    auto activationAsked = std::make_shared<qint64>(-1);
    auto acted = std::make_shared<QPointer<QWidget>>();
    auto actedAt = std::make_shared<qint64>(-1);
    QPointer<QWidget> notThis(match.notThis);
    const bool hadNotThis = match.notThis != nullptr;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [=] {
        auto stop = [timer] {
            timer->stop();
            timer->deleteLater();
        };
        if (*actedAt >= 0) {
            // After the action: only guard against a window left open.
            if (acted->isNull() || !(*acted)->isVisible()) return stop();
            if (clock->elapsed() - *actedAt > 5000) {
                detail::RejectIfOpen(acted->data());
                stop();
            }
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        auto* wanted = qobject_cast<Dialog*>(modal);
        const bool isOther = hadNotThis && modal == notThis.data();
        if (wanted != nullptr && !isOther &&
            (match.objectName.isEmpty() || wanted->objectName() == match.objectName)) {
            // Typing goes to the focus widget of the active window: wait until it is this one.
            if (QApplication::activeWindow() != wanted) {
                if (*activationAsked < 0) {
                    *activationAsked = clock->elapsed();
                    wanted->activateWindow();
                }
                if (clock->elapsed() - *activationAsked < 3000) return;
            }
            *acted = wanted;
            *actedAt = clock->elapsed();
            action(wanted);
            return;
        }
        if (clock->elapsed() > 10000) {
            detail::RejectIfOpen(modal);
            stop();
        }
    });
    timer->start(10);
}

// The next modal dialog of an object name.
inline void OnNextModal(QObject* owner, const QString& name, std::function<void(QDialog*)> action) {
    OnNextModal<QDialog>(owner, std::move(action), ModalMatch{name});
}

}  // namespace testsupport
