#include "tessellar/model/confirm_item.h"

namespace model {

void CConfirmItem::ResetToOriginal() {
    question.Reset();
    defaultAnswer.Reset();
    suppressed.Reset();
}

}  // namespace model
