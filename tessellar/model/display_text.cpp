#include "tessellar/model/display_text.h"

namespace model {

CDispText::CDispText() : CFieldItem(TriggerSlots({TriggerPoint::Display}, kItemRunLineLength)) {}

bool CDispText::IsChanged() const {
    return CFieldItem::IsChanged() || text.Changed() || attributes.Changed() || colours.Changed() ||
           scale.Changed() || columnTitle.Changed() || added;
}

void CDispText::ResetToOriginal() {
    CFieldItem::ResetToOriginal();
    text.Reset();
    scale.Reset();
    attributes.Reset();
    colours.Reset();
    columnTitle.Reset();
}

}  // namespace model
