#pragma once
// Where statements put items: their compiled-style coordinates (counted
// from 1, absolute) become positions relative to the screen origin, and
// moving an entry field or a display into or out of the review area of a
// data grid moves it between the screen and the grid.

#include <cstdint>
#include <optional>

#include "tessellar/model/screen_model.h"

namespace overrides {

// Statement coordinates beyond what a compiled program can hold are held at
// this size, so that no arithmetic on them overflows.
inline constexpr int kLargestCell = 1 << 24;

int ClampCell(std::int64_t value);

// An absolute coordinate as a position relative to the screen origin (an
// undecoded screen counts from 1, 1).
model::CellPosition RelativePosition(const model::CScreenModel& model, int row, int column);
// The reverse: a position relative to the origin as a statement writes it.
model::CellPosition AbsolutePosition(const model::CScreenModel& model, model::CellPosition relative);

// Sets the item's current position; on a data grid an item that comes into
// the review area's rows joins the grid, one that leaves them leaves it, and
// an item in the grid takes the column the grid gives it.
void MoveFieldItem(model::CScreenModel& model, model::FieldItem& item, model::CellPosition relative);

// The column a data grid gives a field moved to this cell (`item`), or
// added there (null), when the cell lies at or beyond the free end of the
// other columns: the field becomes the last column, packed after them. None
// where the cell is no such place.
std::optional<int> FreeEndColumn(const model::CScreenModel& model, const model::FieldItem* item,
                                 model::CellPosition relative);

// A hidden entry field leaves the data grid; shown again, it returns.
void TakeOutOfDataGrid(model::CScreenModel& model, model::FieldItem& item);
void ReturnToDataGrid(model::CScreenModel& model, model::FieldItem& item);

// Once a section's statements are applied, the data grid's columns stand in
// the order the statements' coordinates give (columns no statement moved
// keep their place in the program's order), packed from the grid's left.
// A file read back so gives the grid the commands that wrote it built,
// whatever order its blocks stand in.
void OrderGridAsStated(model::CScreenModel& model);

// After the frame changed size the review area spans it again.
void FitReviewAreaToFrame(model::CScreenModel& model);

}  // namespace overrides
