#pragma once
// The Attributes page of a mode opened from the canvas: "Suppress",
// "ReadOnly" (always disabled) and "Screen Default Mode". Given a sheet
// with a Default Value page it makes the same default check as the entry
// field's page when Suppress is checked.

#include "tessellar/sheets/qt/check_page.h"

namespace sheets {

class CMyPropertySheet;

class CModeAttrPage : public CheckPage {
public:
    explicit CModeAttrPage(QWidget* parent = nullptr);

    void SetOriginal(bool suppressed, bool screenDefault);
    void SetCurrent(bool suppressed, bool screenDefault);
    bool NewSuppressed() const { return Mark(kSuppressBox); }
    bool NewScreenDefault() const { return Mark(kDefaultBox); }

    void SetDefaultChecks(CMyPropertySheet* sheet, int defaultPage);

private:
    static constexpr int kSuppressBox = 0;
    static constexpr int kReadonlyBox = 1;
    static constexpr int kDefaultBox = 2;

    CMyPropertySheet* sheet_ = nullptr;
    int defaultPage_ = -1;
};

}  // namespace sheets
