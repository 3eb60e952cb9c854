#pragma once
// The Styles page: one check box per display attribute and "Prompt".

#include "tessellar/model/attribute_flags.h"
#include "tessellar/sheets/qt/check_page.h"

namespace sheets {

// The page's marks: the twelve attribute flags and the prompt mark.
struct StyleMarks {
    model::AttributeRecord record;
    bool prompt = false;
    bool operator==(const StyleMarks&) const = default;
};

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
