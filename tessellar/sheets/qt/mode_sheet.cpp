#include "tessellar/sheets/qt/mode_sheet.h"

#include "tessellar/commands/item_reference.h"
#include "tessellar/sheets/qt/label_sheet.h"
#include "tessellar/sheets/qt/mode_attr_page.h"
#include "tessellar/sheets/qt/mode_list_dialog.h"
#include "tessellar/sheets/qt/my_property_sheet.h"
#include "tessellar/sheets/qt/sheet_text.h"
#include "tessellar/sheets/qt/suppress_page_dlg.h"
#include "tessellar/sheets/sheet_run.h"

namespace sheets {

bool OpenModeSheet(const SheetContext& context, model::CModeItem& item, bool fromList) {
    const commands::ItemKey key = commands::KeyOf(item);
    const std::string identifier = item.identifier;
    const std::string titleText = item.identification == model::IdentificationKind::Name ? item.identifier
                                                                                           : item.label.Original();
    const LabelSheetValues opened{item.label.Current(), item.help.Current(), item.suppressed.Current(),
                                  item.isDefault};

    CMyPropertySheet sheet(SheetKind::Mode, Latin(SheetTitle(SheetKind::Mode, item.identification, titleText)),
                           context.sink, context.parent);
    const LabelPages pages = AddLabelPages(sheet, item.label, item.help);
    CModeAttrPage* modeAttributes = nullptr;
    CSuppressPageDlg* listAttributes = nullptr;
    if (fromList) {
        listAttributes = new CSuppressPageDlg;
        listAttributes->SetOriginal(item.suppressed.Original(), false);
        listAttributes->SetCurrent(opened.suppressed, false);
        sheet.AddPage(listAttributes, PageRole::Attributes);
    } else {
        modeAttributes = new CModeAttrPage;
        // Only a window statement makes a mode the default: Reset clears the mark.
        modeAttributes->SetOriginal(item.suppressed.Original(), false);
        modeAttributes->SetCurrent(opened.suppressed, opened.screenDefault);
        sheet.AddPage(modeAttributes, PageRole::Attributes);
    }

    if (sheet.exec() != QDialog::Accepted) return false;

    LabelSheetInput input{opened, opened, sheet.ResetRequested()};
    ReadLabelPages(pages, input.edited);
    if (fromList) {
        input.edited.suppressed = listAttributes->NewSuppressed();
    } else {
        input.edited.suppressed = modeAttributes->NewSuppressed();
        input.edited.screenDefault = modeAttributes->NewScreenDefault();
    }
    return RunSheetPlan(context.document, context.screen, key, PlanModeSheet(input, fromList, identifier),
                        context.sink);
}

bool OpenModeFromList(const SheetContext& context) {
    const int chosen = ChooseModeFromList(context);
    if (chosen < 0) return false;
    int index = 0;
    for (model::CModeItem& mode : context.screen.Modes(model::ModeList::Screen)) {
        if (index++ == chosen) return OpenModeSheet(context, mode, true);
    }
    return false;
}

}  // namespace sheets
