#pragma once
// The box sheet: the box's title and its suppression.

#include "tessellar/model/box_item.h"
#include "tessellar/sheets/qt/sheet_context.h"

namespace sheets {

bool OpenBoxSheet(const SheetContext& context, model::CBoxItem& item);

}  // namespace sheets
