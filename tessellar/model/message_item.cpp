#include "tessellar/model/message_item.h"

namespace model {

void CMessageItem::SetText(std::string_view value) {
    text.SetBoth(value);
    editedText = text.Current();
}

bool CMessageItem::RenamePart(std::string_view part, std::string_view replacement) {
    bool renamed = false;
    for (MessagePart& each : parts) {
        if (!each.programText || each.original != part) continue;
        each.current = replacement;
        renamed = true;
    }
    if (!renamed) return false;
    std::string joined;
    for (const MessagePart& each : parts) joined += each.current;
    text.SetCurrent(joined);
    editedText = text.Current();
    return true;
}

void CMessageItem::ResetToOriginal() {
    for (MessagePart& each : parts) each.current = each.original;
    text.Reset();
    editedText = text.Current();
}

}  // namespace model
