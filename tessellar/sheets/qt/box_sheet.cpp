#include "tessellar/sheets/qt/box_sheet.h"

#include "tessellar/commands/item_reference.h"
#include "tessellar/sheets/item_sheet_plans.h"
#include "tessellar/sheets/qt/my_property_sheet.h"
#include "tessellar/sheets/qt/sheet_text.h"
#include "tessellar/sheets/qt/suppress_page_dlg.h"
#include "tessellar/sheets/qt/text_page_dlg.h"
#include "tessellar/sheets/sheet_run.h"

namespace sheets {

bool OpenBoxSheet(const SheetContext& context, model::CBoxItem& item) {
    const commands::ItemKey key = commands::KeyOf(item);
    const BoxSheetValues opened{item.title.Current(), item.suppressed.Current()};

    CMyPropertySheet sheet(SheetKind::Box,
                           Latin(SheetTitle(SheetKind::Box, model::IdentificationKind::None, opened.title)),
                           context.sink, context.parent);
    auto* text = sheet.AddPage(new CTextPageDlg, item.title.Original(), opened.title, PageRole::Text);
    auto* attributes = new CSuppressPageDlg;
    attributes->SetOriginal(item.suppressed.Original(), false);
    attributes->SetCurrent(opened.suppressed, false);
    sheet.AddPage(attributes, PageRole::Attributes);

    if (sheet.exec() != QDialog::Accepted) return false;

    const BoxSheetInput input{opened, {text->NewValue(), attributes->NewSuppressed()}, sheet.ResetRequested()};
    return RunSheetPlan(context.document, context.screen, key, PlanBoxSheet(input), context.sink);
}

}  // namespace sheets
