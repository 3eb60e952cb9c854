#include "tessellar/model/field_item.h"

namespace model {

bool CFieldItem::IsChanged() const {
    return width.Changed() || picture.Changed() || columnNumber.Changed();
}

void CFieldItem::ResetToOriginal() {
    position.Reset();
    width.Reset();
    picture.Reset();
    columnNumber.Reset();
    suppressed.Reset();
}

}  // namespace model
