#pragma once
// The screen title sheet ("Add/Modify Screen Tit&le"): one Text page
// titled "Screen Title".

#include "tessellar/sheets/qt/sheet_context.h"

namespace sheets {

bool OpenScreenTitleSheet(const SheetContext& context);

}  // namespace sheets
