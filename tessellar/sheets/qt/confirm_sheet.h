#pragma once
// The confirm sheet ("Modify &Confirm"): the screen's confirm question, its
// suppression and its default answer.

#include "tessellar/sheets/qt/sheet_context.h"

namespace sheets {

// forMode: opened for a mode's confirm (the sheet is titled so). A screen
// without a confirm opens nothing.
bool OpenConfirmSheet(const SheetContext& context, bool forMode);

}  // namespace sheets
