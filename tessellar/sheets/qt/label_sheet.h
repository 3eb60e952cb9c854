#pragma once
// The Text and Tool Tip pages that the menu option and mode sheets share,
// filled from a label and a help line, and read back at OK.

#include "tessellar/model/tracked_value.h"
#include "tessellar/sheets/item_sheet_plans.h"

namespace sheets {

class CHelpPageDlg;
class CMyPropertySheet;
class CTextPageDlg;

struct LabelPages {
    CTextPageDlg* text = nullptr;
    CHelpPageDlg* help = nullptr;
};

// Adds the Text and Tool Tip pages, in that order.
LabelPages AddLabelPages(CMyPropertySheet& sheet, const model::TrackedText& label, const model::TrackedText& help);

// The pages' values at OK (suppression and default mode are the caller's).
void ReadLabelPages(const LabelPages& pages, LabelSheetValues& values);

}  // namespace sheets
