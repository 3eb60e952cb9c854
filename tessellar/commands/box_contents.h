#pragma once
// What a move of one of the program's own boxes takes along: every item
// shown wholly inside its lines moves by the same cells, each through the
// move command a drag of it would issue. A resize takes nothing along.

#include <vector>

#include "tessellar/commands/item_reference.h"
#include "tessellar/model/box_item.h"
#include "tessellar/model/cell_position.h"
#include "tessellar/model/screen_model.h"

namespace commands {

struct CarriedMove {
    const char* command;     // the catalogue's name of the item's move
    ItemKey key;
    model::CellPosition to;  // statement coordinates
};

// `to`: the box's new corners in statement coordinates.
std::vector<CarriedMove> ItemsCarriedByBoxMove(const model::CScreenModel& model, const model::CBoxItem& box,
                                               const model::BoxCorners& to);

}  // namespace commands
