#pragma once
// The Column Order page: the column number of an item in a data grid or review area, as typed.

#include "tessellar/sheets/qt/edit_page.h"

namespace sheets {

class CColumnPageDlg : public EditPage {
public:
    explicit CColumnPageDlg(QWidget* parent = nullptr);
};

}  // namespace sheets
