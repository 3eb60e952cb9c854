#include "promptsweep_ui/qt/focus_leave.h"

#include <QEvent>
#include <QFocusEvent>
#include <QObject>
#include <QWidget>

namespace sweepui {

namespace {

class FocusLeaveFilter : public QObject {
public:
    FocusLeaveFilter(QWidget* control, std::function<void()> action) : QObject(control), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) action_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

}  // namespace

void OnFocusLeave(QWidget* control, std::function<void()> action) {
    control->installEventFilter(new FocusLeaveFilter(control, std::move(action)));
}

}  // namespace sweepui
