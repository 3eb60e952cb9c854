#pragma once
// A Color page choosing from the sixteen colour names: a foreground and a
// background drop-down list, each holding a name's index (-1 for none).

#include "tessellar/sheets/qt/property_page.h"

class QComboBox;

namespace sheets {

class CColorPageDlg : public PropertyPage {
public:
    explicit CColorPageDlg(QWidget* parent = nullptr);

    void SetOriginal(int foreground, int background);
    void SetCurrent(int foreground, int background);
    int NewForeground() const;
    int NewBackground() const;

    QComboBox* ForegroundList() const { return foreground_; }
    QComboBox* BackgroundList() const { return background_; }

    void RestoreOriginal() override { SetCurrent(originalForeground_, originalBackground_); }

private:
    int originalForeground_ = -1;
    int originalBackground_ = -1;
    QComboBox* foreground_ = nullptr;
    QComboBox* background_ = nullptr;
};

}  // namespace sheets
