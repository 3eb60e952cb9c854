#pragma once
// The Styles page: one check box per display attribute and "Prompt".

#include "tessellar/sheets/qt/check_page.h"
#include "tessellar/sheets/sheet_plan.h"

namespace sheets {

class CAttrPageDlg : public CheckPage {
public:
    explicit CAttrPageDlg(QWidget* parent = nullptr);

    void SetOriginal(const StyleMarks& marks);
    void SetCurrent(const StyleMarks& marks);
    StyleMarks NewMarks() const;

private:
    void Show(const StyleMarks& marks, bool original);
};

}  // namespace sheets
