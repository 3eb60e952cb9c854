#pragma once
// The Attributes page of most sheets: "Suppress" and "Read Only" (enabled
// on the entry field sheet only). Given the sheet and its Default Value
// page, checking either box first asks that page for a default.

#include "tessellar/sheets/qt/check_page.h"

namespace sheets {

class CMyPropertySheet;

class CSuppressPageDlg : public CheckPage {
public:
    explicit CSuppressPageDlg(QWidget* parent = nullptr);

    void SetOriginal(bool suppressed, bool readonly);
    void SetCurrent(bool suppressed, bool readonly);
    bool NewSuppressed() const { return Mark(kSuppressBox); }
    bool NewReadonly() const { return Mark(kReadonlyBox); }

    // The entry field sheet: Read Only can be checked, and both boxes need
    // the Default Value page (at defaultPage) to hold a value.
    void SetDefaultChecks(CMyPropertySheet* sheet, int defaultPage);

private:
    static constexpr int kSuppressBox = 0;
    static constexpr int kReadonlyBox = 1;

    CMyPropertySheet* sheet_ = nullptr;
    int defaultPage_ = -1;
};

}  // namespace sheets
