#include "tessellar/commands/box_contents.h"

#include <cstdint>
#include <limits>

#include "tessellar/commands/command_texts.h"
#include "tessellar/commands/move_choice.h"
#include "tessellar/overrides/item_placement.h"

namespace commands {

namespace {

// Inside the box's lines: the lines themselves are the box's.
bool WhollyInside(const model::BoxCorners& box, model::CellPosition at, int width) {
    const std::int64_t last = std::int64_t{at.column} + (width > 0 ? width : 1) - 1;
    return at.row > box.top && at.row < box.bottom && at.column > box.left && last < box.right;
}

}  // namespace

std::vector<CarriedMove> ItemsCarriedByBoxMove(const model::CScreenModel& model, const model::CBoxItem& box,
                                               const model::BoxCorners& to) {
    // Corners come from scripts and files: any int, so the sums are made wide.
    using Wide = std::int64_t;
    const model::BoxCorners from = box.corners.Current();
    const model::CellPosition fromTopLeft = overrides::AbsolutePosition(model, {from.top, from.left});
    const bool sameSize = Wide{to.bottom} - to.top == Wide{from.bottom} - from.top &&
                          Wide{to.right} - to.left == Wide{from.right} - from.left;
    const Wide rows = Wide{to.top} - fromTopLeft.row;
    const Wide columns = Wide{to.left} - fromTopLeft.column;
    std::vector<CarriedMove> carried;
    if (!sameSize || (rows == 0 && columns == 0)) return carried;
    auto fits = [](Wide value) {
        return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
    };
    auto carry = [&](const char* command, ItemKey key, model::CellPosition at) {
        const model::CellPosition statement = overrides::AbsolutePosition(model, at);
        const Wide row = statement.row + rows;
        const Wide column = statement.column + columns;
        // An item that would land past any coordinate stays where it is.
        if (!fits(row) || !fits(column)) return;
        carried.push_back({command, std::move(key), {static_cast<int>(row), static_cast<int>(column)}});
    };
    for (const model::CDispText& item : model.Displays()) {
        if (item.suppressed.Current() || !WhollyInside(from, item.position.Current(), item.width.Current())) continue;
        carry(MoveCommandOf(item), KeyOf(item), item.position.Current());
    }
    for (const model::CAcceptFld& item : model.Accepts()) {
        if (item.suppressed.Current() || !WhollyInside(from, item.position.Current(), item.width.Current())) continue;
        carry(MoveCommandOf(item), KeyOf(item), item.position.Current());
    }
    for (const model::COptionItem& item : model.Options()) {
        if (item.suppressed.Current() || !WhollyInside(from, item.position.Current(), item.width)) continue;
        carry(texts::kMoveMenu, KeyOf(item), item.position.Current());
    }
    return carried;
}

}  // namespace commands
