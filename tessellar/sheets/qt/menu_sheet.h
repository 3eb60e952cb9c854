#pragma once
// The menu option sheet: the option's text, tool tip and suppression.

#include "tessellar/model/option_item.h"
#include "tessellar/sheets/qt/sheet_context.h"

namespace sheets {

bool OpenMenuSheet(const SheetContext& context, model::COptionItem& item);

}  // namespace sheets
