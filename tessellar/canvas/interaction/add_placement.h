#pragma once
// Where the add commands of the canvas put a new item: at the cell of the
// last right-click point, or for a field dropped into the review area on
// the area's first data row (shifted by a data grid's horizontal scroll),
// with the refusal the screen model gives for that point.

#include <optional>
#include <string>

#include "tessellar/canvas/interaction/pixel_geometry.h"
#include "tessellar/model/cell_position.h"
#include "tessellar/model/screen_model.h"

namespace canvas::interaction {

enum class AddKind { Prompt, Field, TriggerDisplay };

struct AddPlacement {
    std::optional<std::string> refusal;  // the message to show; nothing is added
    model::CellPosition at;              // in statement coordinates
    bool intoDataGrid = false;           // the field goes into a graphical data grid
};

AddPlacement PlaceAdd(const model::CScreenModel& model, AddKind kind, PixelPoint point, CellSize cell,
                      int gridShift = 0);

}  // namespace canvas::interaction
