#include "tessellar/canvas/interaction/keyed_item.h"

#include "tessellar/checks/item_keys.h"

namespace canvas::interaction {
namespace {

template <typename Item, typename KeyOf>
Item* Keyed(model::ItemList<Item>& list, std::string_view itemKey, KeyOf keyOf) {
    for (Item& item : list) {
        if (!item.suppressed.Current() && keyOf(item) == itemKey) return &item;
    }
    return nullptr;
}

}  // namespace

ItemHit ItemWithKey(model::CScreenModel& model, std::string_view itemKey, int gridShift) {
    ItemHit hit;
    if (itemKey.empty()) return hit;
    const auto key = [](const auto& item) { return checks::ItemKey(item); };
    if ((hit.display = Keyed(model.Displays(), itemKey, key))) {
        hit.kind = SelectionKind::Display;
        hit.cells = ItemCells(*hit.display, false, gridShift);
    } else if ((hit.accept = Keyed(model.Accepts(), itemKey, key))) {
        hit.kind = SelectionKind::Accept;
        hit.cells = ItemCells(*hit.accept, true, gridShift);
    } else if ((hit.option = Keyed(model.Options(), itemKey, key))) {
        hit.kind = SelectionKind::Option;
        hit.cells = ItemCells(*hit.option);
    } else if ((hit.box = Keyed(model.Boxes(), itemKey, key))) {
        hit.kind = SelectionKind::Box;
        hit.cells = ItemCells(*hit.box);
    } else {
        for (model::CModeItem& mode : model.Modes()) {
            if (checks::ItemKey(model, mode) != itemKey) continue;
            hit.mode = &mode;
            hit.kind = SelectionKind::Mode;
            hit.cells = ItemCells(mode);
            break;
        }
    }
    return hit;
}

}  // namespace canvas::interaction
