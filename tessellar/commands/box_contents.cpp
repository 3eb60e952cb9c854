#include "tessellar/commands/box_contents.h"

#include "tessellar/commands/command_texts.h"
#include "tessellar/commands/move_choice.h"
#include "tessellar/overrides/item_placement.h"

namespace commands {

namespace {

// Inside the box's lines: the lines themselves are the box's.
bool WhollyInside(const model::BoxCorners& box, model::CellPosition at, int width) {
    const int last = at.column + (width > 0 ? width : 1) - 1;
    return at.row > box.top && at.row < box.bottom && at.column > box.left && last < box.right;
}

}  // namespace

std::vector<CarriedMove> ItemsCarriedByBoxMove(const model::CScreenModel& model, const model::CBoxItem& box,
                                               const model::BoxCorners& to) {
    const model::BoxCorners from = box.corners.Current();
    const model::CellPosition fromTopLeft = overrides::AbsolutePosition(model, {from.top, from.left});
    const bool sameSize = to.bottom - to.top == from.bottom - from.top && to.right - to.left == from.right - from.left;
    const int rows = to.top - fromTopLeft.row;
    const int columns = to.left - fromTopLeft.column;
    std::vector<CarriedMove> carried;
    if (!sameSize || (rows == 0 && columns == 0)) return carried;
    auto carry = [&](const char* command, ItemKey key, model::CellPosition at) {
        const model::CellPosition statement = overrides::AbsolutePosition(model, at);
        carried.push_back({command, std::move(key), {statement.row + rows, statement.column + columns}});
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
