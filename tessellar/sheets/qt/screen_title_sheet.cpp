#include "tessellar/sheets/qt/screen_title_sheet.h"

#include "tessellar/commands/item_reference.h"
#include "tessellar/sheets/item_sheet_plans.h"
#include "tessellar/sheets/qt/my_property_sheet.h"
#include "tessellar/sheets/qt/sheet_text.h"
#include "tessellar/sheets/qt/text_page_dlg.h"
#include "tessellar/sheets/sheet_run.h"

namespace sheets {

bool OpenScreenTitleSheet(const SheetContext& context) {
    const model::TrackedText& title = context.screen.Title();
    const std::string opened = title.Current();

    CMyPropertySheet sheet(SheetKind::ScreenTitle,
                           Latin(SheetTitle(SheetKind::ScreenTitle, model::IdentificationKind::None, {})),
                           context.sink, context.parent);
    auto* text = sheet.AddPage(new CTextPageDlg(texts::kScreenTitleTab), title.Original(), opened, PageRole::Text);

    if (sheet.exec() != QDialog::Accepted) return false;

    return RunSheetPlan(context.document, context.screen, commands::WindowKey(),
                        PlanScreenTitleSheet(opened, text->NewValue(), sheet.ResetRequested()), context.sink);
}

}  // namespace sheets
