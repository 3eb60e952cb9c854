#pragma once
// The display text sheet: a display's or prompt's text, format, colours,
// scale, styles, column order, suppression and column title.

#include "tessellar/model/display_text.h"
#include "tessellar/sheets/qt/sheet_context.h"

namespace sheets {

// Runs the sheet over the display and issues OK's commands; returns
// whether a command was issued (the screen's items are rebuilt then).
bool OpenDisplaySheet(const SheetContext& context, model::CDispText& item);

}  // namespace sheets
