#pragma once
// A field that leaves the middle of a data grid (for the grid's free end or
// out of the grid) takes its column with it, and the columns to its right
// close the gap. Their items' new places are written in the same step, so
// the file describes what the screen shows.

#include <vector>

#include "tessellar/commands/statement_commands.h"
#include "tessellar/model/field_item.h"
#include "tessellar/model/screen_model.h"

namespace commands {

// `row`, `column`: where the field goes, in statement coordinates; the
// shifted items' places are statement coordinates too.
std::vector<ShiftedItem> ItemsShiftedByGridMove(const model::CScreenModel& model, const model::FieldItem& item, int row,
                                                int column);

}  // namespace commands
