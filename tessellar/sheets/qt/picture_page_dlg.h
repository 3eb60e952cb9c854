#pragma once
// The Format page: the item's original picture, the new one, and "Format
// Help", which opens the help page on pictures.

#include "tessellar/sheets/qt/edit_page.h"

class QPushButton;

namespace sheets {

class CMyPropertySheet;

class CPicturePageDlg : public EditPage {
public:
    // sheet: whose help opener "Format Help" uses (the help viewer without one).
    explicit CPicturePageDlg(CMyPropertySheet* sheet = nullptr, QWidget* parent = nullptr);

    QPushButton* FormatHelpButton() const { return formatHelp_; }

private:
    QPushButton* formatHelp_ = nullptr;
};

}  // namespace sheets
