#include "tessellar/sheets/qt/menu_sheet.h"

#include "tessellar/commands/item_reference.h"
#include "tessellar/sheets/qt/label_sheet.h"
#include "tessellar/sheets/qt/my_property_sheet.h"
#include "tessellar/sheets/qt/sheet_text.h"
#include "tessellar/sheets/qt/suppress_page_dlg.h"
#include "tessellar/sheets/sheet_run.h"

namespace sheets {

bool OpenMenuSheet(const SheetContext& context, model::COptionItem& item) {
    const commands::ItemKey key = commands::KeyOf(item);
    const std::string titleText = item.identification == model::IdentificationKind::Name ? item.name
                                                                                           : item.label.Original();
    const LabelSheetValues opened{item.label.Current(), item.help.Current(), item.suppressed.Current(), false};

    CMyPropertySheet sheet(SheetKind::Menu, Latin(SheetTitle(SheetKind::Menu, item.identification, titleText)),
                           context.sink, context.parent);
    const LabelPages pages = AddLabelPages(sheet, item.label, item.help);
    auto* attributes = new CSuppressPageDlg;
    attributes->SetOriginal(item.suppressed.Original(), false);
    attributes->SetCurrent(opened.suppressed, false);
    sheet.AddPage(attributes, PageRole::Attributes);

    if (sheet.exec() != QDialog::Accepted) return false;

    LabelSheetInput input{opened, opened, sheet.ResetRequested()};
    ReadLabelPages(pages, input.edited);
    input.edited.suppressed = attributes->NewSuppressed();
    return RunSheetPlan(context.document, context.screen, key, PlanMenuSheet(input), context.sink);
}

}  // namespace sheets
