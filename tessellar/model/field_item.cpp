#include "tessellar/model/field_item.h"

namespace model {

bool FieldItem::IsChanged() const {
    return width.Changed() || picture.Changed() || columnNumber.Changed();
}

void FieldItem::ResetToOriginal() {
    position.Reset();
    width.Reset();
    picture.Reset();
    columnNumber.Reset();
    suppressed.Reset();
}

}  // namespace model
