#include "tessellar/model/accept_field.h"

namespace model {

CAcceptFld::CAcceptFld()
    : FieldItem(TriggerSlots({TriggerPoint::BeforeAccept, TriggerPoint::AfterAccept, TriggerPoint::OnHelp},
                              kItemRunLineLength)) {}

bool CAcceptFld::IsChanged() const {
    return FieldItem::IsChanged() || help.Changed() || title.Changed() || defaultValue.Changed() ||
           defaultKind.Changed() || filter.Changed() || allowed.Changed() || disallowed.Changed() ||
           readOnly.Changed() || added;
}

void CAcceptFld::ResetToOriginal() {
    FieldItem::ResetToOriginal();
    help.Reset();
    title.Reset();
    defaultValue.Reset();
    defaultKind.Reset();
    filter.Reset();
    allowed.Reset();
    disallowed.Reset();
    readOnly.Reset();
    userListSense = 0;
}

}  // namespace model
