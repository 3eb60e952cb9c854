#pragma once
// The Select Confirm Default page: "Yes" or "No" in the group "Confirm
// Default". A confirm without a default answer has neither selected.

#include "tessellar/sheets/qt/property_page.h"

class QRadioButton;

namespace sheets {

class CConfAnswerPage : public PropertyPage {
public:
    static constexpr int kNone = -1;
    static constexpr int kYes = 0;
    static constexpr int kNo = 1;

    explicit CConfAnswerPage(QWidget* parent = nullptr);

    void SetOriginal(int answer) { original_ = answer; }
    void SetCurrent(int answer);
    int NewAnswer() const;

    QRadioButton* YesButton() const { return yes_; }
    QRadioButton* NoButton() const { return no_; }

    void RestoreOriginal() override { SetCurrent(original_); }

private:
    int original_ = kNone;
    QRadioButton* yes_ = nullptr;
    QRadioButton* no_ = nullptr;
};

}  // namespace sheets
