#pragma once
// OK of the display text sheet: from the values the pages showed when the
// sheet opened and the values they hold now, the display's commands in
// their fixed order.

#include <string>

#include "tessellar/model/colour_table.h"
#include "tessellar/sheets/sheet_plan.h"

namespace sheets {

// The values of the display sheet's pages. A page the sheet leaves out
// keeps its value, so it changes nothing.
struct DisplaySheetValues {
    std::string text;
    std::string title;
    std::string column;
    std::string picture;
    std::string scale;  // as typed
    StyleMarks styles;
    model::ColourPair colours;
    bool suppressed = false;
};

struct DisplaySheetInput {
    DisplaySheetValues opened;
    DisplaySheetValues edited;
    bool resetRequested = false;
    bool hasDisplayTrigger = false;
    // An added prompt is found by its text: its text changes last, so that
    // the other commands still find its block by the old one.
    bool addedPrompt = false;
};

SheetPlan PlanDisplaySheet(const DisplaySheetInput& input);

}  // namespace sheets
