#include "tessellar/model/display_text.h"

namespace model {

CDispText::CDispText() : FieldItem(TriggerSlots({TriggerPoint::Display}, kItemRunLineLength)) {}

bool CDispText::IsChanged() const {
    return FieldItem::IsChanged() || text.Changed() || attributes.Changed() || colours.Changed() ||
           scale.Changed() || columnTitle.Changed() || added;
}

void CDispText::ResetToOriginal() {
    FieldItem::ResetToOriginal();
    text.Reset();
    scale.Reset();
    attributes.Reset();
    colours.Reset();
    columnTitle.Reset();
}

}  // namespace model
