#pragma once
// "Unsuppress Field": where a suppressed field comes back onto the screen,
// with a warning while the proposed cell is taken by another item.

#include <optional>
#include <string>

#include <QWidget>

#include "tessellar/model/cell_position.h"
#include "tessellar/model/screen_model.h"

namespace lists {

// Row and column in the screen items' own coordinates, limited to
// 0..rowLimit and 0..columnLimit. `self` is left out of the overlap test.
// Nothing when the user cancels.
std::optional<model::CellPosition> PlaceUnsuppressedField(QWidget* parent, const model::CScreenModel& screen,
                                                          const std::string& fieldName, model::CellPosition start,
                                                          int rowLimit, int columnLimit,
                                                          const void* self = nullptr);

}  // namespace lists
