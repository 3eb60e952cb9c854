#pragma once
// The Scale page: a display's scale factor in percent, as typed.

#include "tessellar/sheets/qt/edit_page.h"

namespace sheets {

class CScalePageDlg : public EditPage {
public:
    explicit CScalePageDlg(QWidget* parent = nullptr);
};

}  // namespace sheets
