#pragma once
// For window tests: acts on the next modal window once it runs and has become
// the active window, so that what the action types reaches it however slowly
// the machine activates windows. A window still open five seconds after the
// action (a check failed half way) is rejected, with whatever the action
// opened over it, and so is a modal dialog of another kind that is up while
// none of the kind wanted came within ten seconds, so no test hangs. The
// watch ends with its owner, or by itself.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
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
            // After the action: only guard against a window left open, closing
            // whatever the action left on top of it first.
            if (acted->isNull() || !(*acted)->isVisible()) return stop();
            if (clock->elapsed() - *actedAt > 5000) detail::RejectIfOpen(QApplication::activeModalWidget());
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
            // Queued, so that a dialog the action opens does not stop this watch.
            QTimer::singleShot(0, wanted, [action, wanted] { action(wanted); });
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

// Chooses a file or folder in a file dialog as a user does: types its full
// path into the name field and presses the accept button. (selectFile leaves
// the field alone while it has the focus, as it has once the dialog is active.)
inline void ChooseFile(QFileDialog* dialog, const QString& path) {
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name != nullptr) name->setText(path);
    else dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();  // the file dialog's own accept(), which is protected
}

}  // namespace testsupport
