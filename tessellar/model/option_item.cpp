#include "tessellar/model/option_item.h"

namespace model {

COptionItem::COptionItem()
    : triggers({TriggerPoint::BeforeOption, TriggerPoint::Option}, kItemRunLineLength) {}

void COptionItem::ResetToOriginal() {
    label.Reset();
    help.Reset();
    position.Reset();
    suppressed.Reset();
}

}  // namespace model
