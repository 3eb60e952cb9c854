#include "tessellar/sheets/qt/label_sheet.h"

#include "tessellar/sheets/qt/help_page_dlg.h"
#include "tessellar/sheets/qt/my_property_sheet.h"
#include "tessellar/sheets/qt/text_page_dlg.h"

namespace sheets {

LabelPages AddLabelPages(CMyPropertySheet& sheet, const model::TrackedText& label, const model::TrackedText& help) {
    LabelPages pages{new CTextPageDlg, new CHelpPageDlg};
    pages.text->SetOriginal(label.Original());
    pages.text->SetCurrent(label.Current());
    sheet.AddPage(pages.text, PageRole::Text);
    pages.help->SetOriginal(help.Original());
    pages.help->SetCurrent(help.Current());
    sheet.AddPage(pages.help, PageRole::ToolTip);
    return pages;
}

void ReadLabelPages(const LabelPages& pages, LabelSheetValues& values) {
    values.text = pages.text->NewValue();
    values.help = pages.help->NewValue();
}

}  // namespace sheets
