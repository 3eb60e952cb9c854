#include "tessellar/sheets/qt/attr_page_dlg.h"

#include <array>

#include "tessellar/sheets/sheet_texts.h"

namespace sheets {

namespace {

// The boxes in the order the page shows them, each with its record field.
struct StyleBox {
    const char* caption;
    bool model::AttributeRecord::*field;  // null: the prompt mark
};

constexpr std::array<StyleBox, 13> kBoxes{{
    {texts::kBold, &model::AttributeRecord::bold},
    {texts::kBackground, &model::AttributeRecord::background},
    {texts::kBlink, &model::AttributeRecord::blink},
    {texts::kUnderline, &model::AttributeRecord::underline},
    {texts::kInverse, &model::AttributeRecord::inverse},
    {texts::kFixedWidth, &model::AttributeRecord::fixed},
    {texts::kItalic, &model::AttributeRecord::italic},
    {texts::kSunken, &model::AttributeRecord::sunken},
    {texts::kBorder, &model::AttributeRecord::border},
    {texts::kCenter, &model::AttributeRecord::center},
    {texts::kLeftJustify, &model::AttributeRecord::left},
    {texts::kRightJustify, &model::AttributeRecord::right},
    {texts::kPrompt, nullptr},
}};

// Two columns: the seven character styles, then the frame, alignment and prompt.
constexpr int kRows = 7;

}  // namespace

CAttrPageDlg::CAttrPageDlg(QWidget* parent)
    : CheckPage(QString::fromLatin1(texts::kStylesTab), texts::kStylesHelp, parent) {
    setObjectName(QStringLiteral("CAttrPageDlg"));
    for (const StyleBox& box : kBoxes) AddBox(box.caption, kRows);
}

void CAttrPageDlg::Show(const StyleMarks& marks, bool original) {
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        const bool checked = kBoxes[i].field != nullptr ? marks.record.*kBoxes[i].field : marks.prompt;
        if (original) {
            SetOriginalMark(static_cast<int>(i), checked);
        } else {
            SetMark(static_cast<int>(i), checked);
        }
    }
}

void CAttrPageDlg::SetOriginal(const StyleMarks& marks) { Show(marks, true); }
void CAttrPageDlg::SetCurrent(const StyleMarks& marks) { Show(marks, false); }

StyleMarks CAttrPageDlg::NewMarks() const {
    StyleMarks marks;
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        const bool checked = Mark(static_cast<int>(i));
        if (kBoxes[i].field != nullptr) {
            marks.record.*kBoxes[i].field = checked;
        } else {
            marks.prompt = checked;
        }
    }
    return marks;
}

}  // namespace sheets
