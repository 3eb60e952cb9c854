#pragma once
// A message text of the entry: what its message, acknowledge, abort and
// print statements say. Statements find it by its original text.

#include <string>

#include "tessellar/model/identification.h"
#include "tessellar/model/text_capacity.h"
#include "tessellar/model/tracked_value.h"

namespace model {

enum class MessageKind : int {
    PrintOrPrompt = -1,
    Message = 1,
    Acknowledge = 2,
    Abort = 3,
};

class CMessageItem {
public:
    explicit CMessageItem(MessageKind messageKind = MessageKind::Message) : kind(messageKind) {}

    MessageKind kind;
    IdentificationKind identification = IdentificationKind::OriginalText;
    TrackedText text{kMessageLength};
    std::string editedText;  // the second current copy, for the message list

    // Sets original, current and the second copy.
    void SetText(std::string_view value);
    bool IsChanged() const { return text.Changed(); }
    void ResetToOriginal();
};

}  // namespace model
