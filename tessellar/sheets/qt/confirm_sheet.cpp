#include "tessellar/sheets/qt/confirm_sheet.h"

#include "tessellar/commands/item_reference.h"
#include "tessellar/sheets/item_sheet_plans.h"
#include "tessellar/sheets/qt/conf_answer_page.h"
#include "tessellar/sheets/qt/my_property_sheet.h"
#include "tessellar/sheets/qt/sheet_text.h"
#include "tessellar/sheets/qt/suppress_page_dlg.h"
#include "tessellar/sheets/qt/text_page_dlg.h"
#include "tessellar/sheets/sheet_run.h"

namespace sheets {

bool OpenConfirmSheet(const SheetContext& context, bool forMode) {
    model::ItemList<model::CConfirmItem>& confirms = context.screen.Confirms();
    if (confirms.Empty()) return false;
    const model::CConfirmItem& item = *confirms.begin();
    const commands::ItemKey key = commands::KeyOf(item);
    const ConfirmSheetValues opened{item.question.Current(), item.suppressed.Current(),
                                    AnswerOf(item.defaultAnswer.Current())};

    CMyPropertySheet sheet(SheetKind::Confirm, Latin(ConfirmSheetTitle(forMode, item.question.Original())),
                           context.sink, context.parent);
    auto* text = sheet.AddPage(new CTextPageDlg, item.question.Original(), opened.text, PageRole::Text);
    auto* attributes = new CSuppressPageDlg;
    attributes->SetOriginal(item.suppressed.Original(), false);
    attributes->SetCurrent(opened.suppressed, false);
    sheet.AddPage(attributes, PageRole::Attributes);
    auto* answer = sheet.AddPage(new CConfAnswerPage,
                                 AnswerOf(item.defaultAnswer.Original()), opened.answer, PageRole::ConfirmDefault);

    if (sheet.exec() != QDialog::Accepted) return false;

    ConfirmSheetInput input{opened, {text->NewValue(), attributes->NewSuppressed(), answer->NewAnswer()},
                            sheet.ResetRequested()};
    return RunSheetPlan(context.document, context.screen, key, PlanConfirmSheet(input), context.sink);
}

}  // namespace sheets
