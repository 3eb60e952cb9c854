#pragma once
// Runs an action when the focus leaves a control for another control of
// the application, not when a message box or another window takes it for
// a while (which would otherwise run the control's check again and again).

#include <functional>

class QWidget;

namespace sweepui {

void OnFocusLeave(QWidget* control, std::function<void()> action);

}  // namespace sweepui
