#include "tessellar/sheets/qt/accept_sheet.h"

#include "tessellar/commands/command_catalogue.h"
#include "tessellar/commands/command_checks.h"
#include "tessellar/commands/command_texts.h"
#include "tessellar/commands/item_reference.h"
#include "tessellar/pictures/size_word.h"
#include "tessellar/sheets/accept_sheet_plan.h"
#include "tessellar/sheets/accept_sheet_run.h"
#include "tessellar/sheets/accept_texts.h"
#include "tessellar/sheets/qt/allow_page.h"
#include "tessellar/sheets/qt/column_page_dlg.h"
#include "tessellar/sheets/qt/default_page.h"
#include "tessellar/sheets/qt/filter_page.h"
#include "tessellar/sheets/qt/help_page_dlg.h"
#include "tessellar/sheets/qt/my_property_sheet.h"
#include "tessellar/sheets/qt/picture_page_dlg.h"
#include "tessellar/sheets/qt/sheet_text.h"
#include "tessellar/sheets/qt/suppress_page_dlg.h"
#include "tessellar/sheets/qt/text_page_dlg.h"
#include "tessellar/sheets/sheet_kind.h"
#include "tessellar/sheets/sheet_texts.h"

namespace sheets {

namespace {

// The sheet's pages in the order the sheet shows them; the optional ones
// are null on fields outside a review area.
struct AcceptPages {
    CDefaultPageDlg* defaultValue = nullptr;
    CHelpPageDlg* toolTip = nullptr;
    CPicturePageDlg* format = nullptr;
    CColumnPageDlg* columnOrder = nullptr;
    CSuppressPageDlg* attributes = nullptr;
    CAllowPageDlg* allow = nullptr;
    CTextPageDlg* fieldTitle = nullptr;
    CFilterDlgPage* filter = nullptr;
};

// The Default Value page showing the field's default and the program's allowed values.
CDefaultPageDlg* DefaultPageOf(const model::CScreenModel& screen, const model::CAcceptFld& field) {
    auto* page = new CDefaultPageDlg(screen, ProgramAllowedValues(field));
    page->SetOriginal(field.defaultValue.Original(), static_cast<DefaultSource>(field.defaultKind.Original()));
    page->SetCurrent(field.defaultValue.Current(), static_cast<DefaultSource>(field.defaultKind.Current()));
    return page;
}

AcceptPages BuildPages(CMyPropertySheet& sheet, const SheetContext& context, const model::CAcceptFld& field,
                       const FieldTitleTarget& title) {
    AcceptPages pages;
    pages.defaultValue = DefaultPageOf(context.screen, field);
    const int defaultPage = sheet.AddPage(pages.defaultValue, PageRole::DefaultValue);

    pages.toolTip = sheet.AddPage(new CHelpPageDlg, field.help.Original(), field.help.Current(), PageRole::ToolTip);

    pages.format = sheet.AddPage(new CPicturePageDlg(&sheet),
                                 field.picture.Original(), field.picture.Current(), PageRole::Format);

    if (field.inReviewArea) {
        pages.columnOrder = sheet.AddPage(new CColumnPageDlg, field.columnNumber.Original(),
                                          field.columnNumber.Current(), PageRole::ColumnOrder);
    }

    pages.attributes = new CSuppressPageDlg;
    pages.attributes->SetOriginal(field.suppressed.Original(), field.readOnly.Original());
    pages.attributes->SetCurrent(field.suppressed.Current(), field.readOnly.Current());
    pages.attributes->SetDefaultChecks(&sheet, defaultPage);
    sheet.AddPage(pages.attributes, PageRole::Attributes);

    pages.allow = new CAllowPageDlg(ProgramAllowedValues(field), FieldLengthOf(field),
                                    pictures::IsNumeric(field.sizeWord), context.sink);
    pages.allow->SetCurrent(UserListOf(field), field.userListSense);
    sheet.AddPage(pages.allow, PageRole::AllowDisallow);

    pages.fieldTitle = sheet.AddPage(new CTextPageDlg(texts::kFieldTitleTab, texts::kFieldTitleHelp),
                                     title.original, title.text, PageRole::FieldTitle);

    if (field.inReviewArea) {
        pages.filter = new CFilterDlgPage;
        pages.filter->SetCurrent(FilterOfText(field.filter.Current()));
        sheet.AddPage(pages.filter, PageRole::Filter);
    }
    return pages;
}

AcceptSheetEdits EditsOfPages(const CMyPropertySheet& sheet, const AcceptPages& pages) {
    AcceptSheetEdits edits;
    edits.resetRequested = sheet.ResetRequested();
    edits.userList = pages.allow->NewList();
    edits.userListSense = pages.allow->NewSense();
    edits.hasFilterPage = pages.filter != nullptr;
    if (pages.filter != nullptr) edits.filter = pages.filter->NewFilter();
    edits.help = pages.toolTip->NewValue();
    edits.title = pages.fieldTitle->NewValue();
    edits.defaultValue = pages.defaultValue->NewValue();
    edits.defaultSource = pages.defaultValue->NewSource();
    edits.hasColumnPage = pages.columnOrder != nullptr;
    if (pages.columnOrder != nullptr) edits.columnNumber = pages.columnOrder->NewValue();
    edits.picture = pages.format->NewValue();
    edits.readOnly = pages.attributes->NewReadonly();
    edits.suppress = pages.attributes->NewSuppressed();
    return edits;
}

}  // namespace

bool OpenAcceptSheet(const SheetContext& context, model::CAcceptFld& field, int /*cellWidth*/) {
    // Everything is read from the field before the commands rebuild it.
    const commands::ItemKey key = commands::KeyOf(field);
    const FieldTitleTarget title = TitleTargetOf(context.screen, field);
    AcceptSheetEdits edits;
    std::vector<SheetAction> plan;
    {
        const QString sheetTitle = Latin(SheetTitle(SheetKind::Accept, field.identification, field.name));
        CMyPropertySheet sheet(SheetKind::Accept, sheetTitle, context.sink, context.parent);
        const AcceptPages pages = BuildPages(sheet, context, field, title);
        if (sheet.exec() != QDialog::Accepted) return false;
        edits = EditsOfPages(sheet, pages);
        plan = PlanAcceptSheet(field, title, edits);
    }
    return RunAcceptSheetPlan(context.document, context.screen, key, edits, plan, context.sink);
}

bool SuppressAcceptWithDefault(const SheetContext& context, model::CAcceptFld& field) {
    const commands::ItemKey key = commands::KeyOf(field);
    std::string value;
    DefaultSource source = DefaultSource::Literal;
    {
        CMyPropertySheet sheet(SheetKind::Accept, Latin(texts::kHiddenFieldDefaultSheet + field.name), context.sink,
                               context.parent);
        CDefaultPageDlg* page = DefaultPageOf(context.screen, field);
        sheet.AddPage(page, PageRole::DefaultValue);
        if (sheet.exec() == QDialog::Accepted) {
            value = page->NewValue();
            source = page->NewSource();
        }
    }
    if (const commands::Refusal refusal = commands::CheckHideDefault(value)) {
        context.sink.ShowMessage(*refusal);
        return false;
    }
    commands::MadeCommand made = commands::MakeCommand(context.screen, commands::texts::kSuppressAccept, key,
                                                       {{value, source == DefaultSource::Literal}});
    if (!made.command) {
        context.sink.ShowMessage(made.error);
        return false;
    }
    return context.document.Run(context.screen, *made.command, context.sink);
}

}  // namespace sheets
