#include "tessellar/commands/move_choice.h"

#include "tessellar/commands/command_texts.h"

namespace commands {

const char* MoveCommandOf(const model::CDispText& display) {
    if (display.inReviewArea) return texts::kMoveDatagridDisplay;
    const model::TriggerSlot* trigger = display.triggers.Slot(model::TriggerPoint::Display);
    // No tag: 0 for a compiled display, -1 for an added one.
    if (trigger != nullptr && trigger->hasTrigger && display.tag <= 0) return texts::kMoveDisplayAndTrigger;
    return texts::kMoveDisplay;
}

const char* MoveCommandOf(const model::CAcceptFld& field) {
    return field.inReviewArea ? texts::kMoveDatagridAccept : texts::kMoveAccept;
}

}  // namespace commands
