#pragma once
// frmShowTips, "Please Note ...": one tip and a box to stop seeing it.

#include <QDialog>

#include "promptsweep_ui/tip_switches.h"

class QCheckBox;

namespace sweepui {

class TipsDialog : public QDialog {
    Q_OBJECT
public:
    TipsDialog(QWidget* parent, const QString& text);
    bool DontShowAgain() const;

private:
    QCheckBox* dontShowAgain_ = nullptr;
};

// Shows the tip when it is on; ticking the box and closing switches it off.
void ShowTip(QWidget* parent, TipSwitches& tips, Tip tip, const char* text);

}  // namespace sweepui
