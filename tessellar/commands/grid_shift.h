#pragma once
// A field that leaves the middle of a data grid (for the grid's free end or
// out of the grid) takes its column with it, and the columns to its right
// close the gap. Their items' new places are written in the same step, so
// the file describes what the screen shows.

#include <optional>
#include <vector>

#include "tessellar/commands/statement_commands.h"
#include "tessellar/model/field_item.h"
#include "tessellar/model/screen_model.h"

namespace commands {

// `row`, `column`: where the field goes, in statement coordinates; the
// shifted items' places are statement coordinates too.
std::vector<ShiftedItem> ItemsShiftedByGridMove(const model::CScreenModel& model, const model::FieldItem& item, int row,
                                                int column);

// A hidden field of a data grid shown again takes back its column where the
// program's order puts it among the columns shown, and the columns from
// there on make room. Once a statement placed a column the grid stands in
// the order the statements give, so the field's place and theirs are
// written in the same step; without one the program's order gives the
// field its place back and nothing needs writing (none). Statement
// coordinates, as above.
struct GridReturn {
    int row = 0;
    int column = 0;
    std::vector<ShiftedItem> shifted;
};
std::optional<GridReturn> GridReturnOf(const model::CScreenModel& model, const model::FieldItem& item);

}  // namespace commands
