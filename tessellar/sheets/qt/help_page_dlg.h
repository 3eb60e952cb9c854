#pragma once
// The Tool Tip page: an item's help line.

#include "tessellar/sheets/qt/edit_page.h"

namespace sheets {

class CHelpPageDlg : public EditPage {
public:
    explicit CHelpPageDlg(QWidget* parent = nullptr);
};

}  // namespace sheets
