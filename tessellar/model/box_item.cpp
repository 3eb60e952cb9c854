#include "tessellar/model/box_item.h"

namespace model {

void CBoxItem::ResetToOriginal() {
    title.Reset();
    corners.Reset();
    suppressed.Reset();
    changed = false;
}

}  // namespace model
