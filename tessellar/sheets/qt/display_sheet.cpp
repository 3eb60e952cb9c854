#include "tessellar/sheets/qt/display_sheet.h"

#include "tessellar/commands/item_reference.h"
#include "tessellar/sheets/display_sheet_plan.h"
#include "tessellar/sheets/qt/attr_page_dlg.h"
#include "tessellar/sheets/qt/column_page_dlg.h"
#include "tessellar/sheets/qt/my_property_sheet.h"
#include "tessellar/sheets/qt/orvale_color_page_dlg.h"
#include "tessellar/sheets/qt/picture_page_dlg.h"
#include "tessellar/sheets/qt/scale_page_dlg.h"
#include "tessellar/sheets/qt/sheet_text.h"
#include "tessellar/sheets/qt/suppress_page_dlg.h"
#include "tessellar/sheets/qt/text_page_dlg.h"
#include "tessellar/sheets/sheet_run.h"

namespace sheets {

namespace {

StyleMarks Marks(model::AttributeFlags flags, bool prompt) { return {model::AttributesToRecord(flags), prompt}; }

// What the display's pages show: its current values, or (original) the
// values the program gives it.
DisplaySheetValues ValuesOf(const model::CDispText& item, bool original) {
    auto pick = [original](const auto& tracked) { return original ? tracked.Original() : tracked.Current(); };
    DisplaySheetValues values;
    values.text = pick(item.text);
    values.title = pick(item.columnTitle);
    values.column = pick(item.columnNumber);
    values.picture = pick(item.picture);
    values.scale = std::to_string(pick(item.scale));
    values.styles = Marks(pick(item.attributes), item.IsPrompt());
    values.colours = pick(item.colours);
    values.suppressed = pick(item.suppressed);
    return values;
}

}  // namespace

bool OpenDisplaySheet(const SheetContext& context, model::CDispText& item) {
    // Everything OK needs is read now: running the commands rebuilds the item.
    const commands::ItemKey key = commands::KeyOf(item);
    const DisplaySheetValues opened = ValuesOf(item, false);
    const DisplaySheetValues original = ValuesOf(item, true);
    const std::string& titleText = item.identification == model::IdentificationKind::Name ? item.name
                                                                                            : item.text.Original();
    const model::TriggerSlot* trigger = item.triggers.Slot(model::TriggerPoint::Display);
    const bool hasDisplayTrigger = trigger != nullptr && trigger->hasTrigger;
    const bool inReview = item.inReviewArea;
    const bool inGrid = inReview && context.screen.IsDataGrid();
    const bool addedPrompt = item.identification == model::IdentificationKind::AddedPrompt;
    const bool addedDisplay = item.identification == model::IdentificationKind::AddedDisplay;

    CMyPropertySheet sheet(SheetKind::Display,
                           Latin(SheetTitle(SheetKind::Display, item.identification, titleText)), context.sink,
                           context.parent);
    sheet.SetPrompt(item.IsPrompt());

    CTextPageDlg* text = nullptr;
    if (!addedDisplay && !inReview) {
        text = sheet.AddPage(new CTextPageDlg, original.text, opened.text, PageRole::Text);
    }
    auto* format = sheet.AddPage(new CPicturePageDlg(&sheet), original.picture, opened.picture, PageRole::Format);
    auto* colour = sheet.AddPage(new COrvaleColorPageDlg, original.colours, opened.colours, PageRole::Color);
    auto* scale = sheet.AddPage(new CScalePageDlg, original.scale, opened.scale, PageRole::Scale);
    auto* styles = sheet.AddPage(new CAttrPageDlg, original.styles, opened.styles, PageRole::Styles);
    CColumnPageDlg* column = nullptr;
    if (inReview) {
        column = sheet.AddPage(new CColumnPageDlg, original.column, opened.column, PageRole::ColumnOrder);
    }
    auto* attributes = new CSuppressPageDlg;
    attributes->SetOriginal(original.suppressed, false);
    attributes->SetCurrent(opened.suppressed, false);
    sheet.AddPage(attributes, PageRole::Attributes);
    auto* title = new CTextPageDlg(texts::kFieldTitleTab, texts::kFieldTitleHelp);
    title->SetOriginal(original.title);
    title->SetCurrent(opened.title);
    const int titleIndex = sheet.AddPage(title, PageRole::FieldTitle);
    if (inGrid) sheet.SetActivePage(titleIndex);

    if (sheet.exec() != QDialog::Accepted) return false;

    DisplaySheetInput input{opened, opened, sheet.ResetRequested(), hasDisplayTrigger, addedPrompt};
    if (text != nullptr) input.edited.text = text->NewValue();
    input.edited.picture = format->NewValue();
    input.edited.colours = colour->NewColours();
    input.edited.scale = scale->NewValue();
    input.edited.styles = styles->NewMarks();
    if (column != nullptr) input.edited.column = column->NewValue();
    input.edited.suppressed = attributes->NewSuppressed();
    input.edited.title = title->NewValue();
    return RunSheetPlan(context.document, context.screen, key, PlanDisplaySheet(input), context.sink);
}

}  // namespace sheets
