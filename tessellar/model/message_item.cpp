#include "tessellar/model/message_item.h"

namespace model {

void CMessageItem::SetText(std::string_view value) {
    text.SetBoth(value);
    editedText = text.Current();
}

void CMessageItem::ResetToOriginal() {
    text.Reset();
    editedText = text.Current();
}

}  // namespace model
