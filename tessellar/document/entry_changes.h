#pragma once
// What an entry's section changed, item by item: the properties whose value
// now differs from the compiled one, the items it added and the triggers it
// set. opdump lists them after a decoded entry; the review report shows them
// beside the entry's statements.

#include <string>
#include <vector>

#include "tessellar/model/screen_model.h"

namespace document {

struct ItemChanges {
    std::string item;                  // the kind and number among its kind: "accept 2", "screen"
    std::string key;                   // as a statement names it: "accept name = CUST-NAME", "window"
    std::vector<std::string> changes;  // "position", "width", "trigger after_field", "added"
};

// Every item with a change, screen first, then the items in the order
// opdump lists them.
std::vector<ItemChanges> EntryChanges(const model::CScreenModel& model);

// "position, width".
std::string ChangeListText(const ItemChanges& changes);

}  // namespace document
