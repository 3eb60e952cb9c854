#pragma once
// A message text of the entry: what its message, acknowledge, abort and
// print statements say. Statements find it by its original text.

#include <string>
#include <string_view>
#include <vector>

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

// One part of a message as its statement joins them: a text of the program
// or a variable's value. The batch tool names a message by one text part.
struct MessagePart {
    std::string original;
    std::string current;
    bool programText = false;  // a text number's text, which a statement may rename
};

class CMessageItem {
public:
    explicit CMessageItem(MessageKind messageKind = MessageKind::Message) : kind(messageKind) {}

    MessageKind kind;
    IdentificationKind identification = IdentificationKind::OriginalText;
    TrackedText text{kMessageLength};
    std::string editedText;  // the second current copy, for the message list
    std::vector<MessagePart> parts;  // as decoded; the text is their join

    // Sets original, current and the second copy.
    void SetText(std::string_view value);
    // Gives every program text part whose original is `part` the new text,
    // and the message the parts' join; returns whether any part had it.
    bool RenamePart(std::string_view part, std::string_view replacement);
    bool IsChanged() const { return text.Changed(); }
    void ResetToOriginal();
};

}  // namespace model
