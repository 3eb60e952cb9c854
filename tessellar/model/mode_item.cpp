#include "tessellar/model/mode_item.h"

namespace model {

CModeItem::CModeItem()
    : triggers({TriggerPoint::Confirmed, TriggerPoint::BeforeConfirm, TriggerPoint::NotConfirmed,
                TriggerPoint::ValidateMode},
               kItemRunLineLength) {}

void CModeItem::ResetToOriginal() {
    label.Reset();
    help.Reset();
    suppressed.Reset();
}

}  // namespace model
