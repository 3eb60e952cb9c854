#pragma once
// The mode sheet: the mode's text, tool tip, suppression and, from the
// canvas, whether it is the screen's default mode. From the mode list the
// sheet opens for the mode chosen in "List of Defined Modes".

#include "tessellar/model/mode_item.h"
#include "tessellar/sheets/qt/sheet_context.h"

namespace sheets {

bool OpenModeSheet(const SheetContext& context, model::CModeItem& item, bool fromList);

// "List of Defined Modes", then the mode sheet for the chosen mode. A
// screen without modes opens nothing.
bool OpenModeFromList(const SheetContext& context);

}  // namespace sheets
