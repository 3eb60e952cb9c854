#pragma once
// frmEditRec, "Prompt Sweep Request": one find string and its replacement.
// Leaving the replace box warns about a longer text (while that tip is on)
// and refuses a replacement equal to the find string or a text holding a
// line end, which can never be confirmed.

#include <QDialog>

#include "promptsweep_ui/tip_switches.h"

class QLineEdit;

namespace sweepui {

class EditRequestDialog : public QDialog {
    Q_OBJECT
public:
    EditRequestDialog(QWidget* parent, TipSwitches& tips, const QString& find = {}, const QString& replace = {});

    QString Find() const;     // trimmed
    QString Replace() const;  // trimmed

    void accept() override;

private:
    void LeaveReplace();
    // A replacement equal to the find string, or a line end in either.
    bool Refuse();

    TipSwitches& tips_;
    QLineEdit* find_ = nullptr;
    QLineEdit* replace_ = nullptr;
    bool checking_ = false;
    bool justRefused_ = false;
};

}  // namespace sweepui
