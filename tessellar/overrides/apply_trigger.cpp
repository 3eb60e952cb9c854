#include "tessellar/overrides/apply_statement.h"
#include "tessellar/overrides/item_resolution.h"

namespace overrides {

namespace {

using model::TriggerPoint;

void SetTrigger(model::TriggerSlots& slots, TriggerPoint point, const TriggerOverride& trigger) {
    slots.Set(point, trigger.run, trigger.type < 0 ? 0 : trigger.type);
}

model::CDispText* TriggerDisplay(model::CScreenModel& model, const OverrideStatement& statement) {
    return ResolveDisplay(model, TriggerDisplayIdentifier(statement));
}

}  // namespace

void ApplyTrigger(model::CScreenModel& model, const OverrideStatement& statement, StatementOutcome* outcome) {
    StatementOutcome ignored;
    StatementOutcome& reached = outcome != nullptr ? *outcome : ignored;
    const TriggerOverride& trigger = statement.trigger;
    const auto point = static_cast<TriggerPoint>(trigger.point);
    switch (point) {
        case TriggerPoint::Option:
        case TriggerPoint::BeforeOption:
            if (model::COptionItem* option = ResolveOption(model, statement.identifier)) {
                SetTrigger(option->triggers, point, trigger);
                reached.option = option;
            }
            return;
        case TriggerPoint::ScreenLoad:
        case TriggerPoint::ScreenExit:
            SetTrigger(model.ScreenTriggers(), point, trigger);
            reached.screen = true;
            return;
        case TriggerPoint::Confirmed:
        case TriggerPoint::NotConfirmed:
        case TriggerPoint::BeforeConfirm:
        case TriggerPoint::ValidateMode:
            for (model::ModeList list : {model::ModeList::Screen, model::ModeList::ProgramWide}) {
                if (model::CModeItem* mode = ResolveMode(model, statement.identifier, list)) {
                    SetTrigger(mode->triggers, point, trigger);
                    if (reached.mode == nullptr) reached.mode = mode;
                }
            }
            return;
        case TriggerPoint::BeforeAccept:
        case TriggerPoint::AfterAccept:
        case TriggerPoint::OnHelp:
            if (model::CAcceptFld* accept = ResolveAccept(model, statement.identifier)) {
                SetTrigger(accept->triggers, point, trigger);
                reached.accept = accept;
            }
            return;
        case TriggerPoint::Display:
            if (model::CDispText* display = TriggerDisplay(model, statement)) {
                SetTrigger(display->triggers, point, trigger);
                reached.display = display;
            }
            return;
        case TriggerPoint::Mode:
            break;  // a mode point sets nothing
    }
    reached.refused |= refused::kNoTriggerPoint;  // no point, or one that sets nothing
}

}  // namespace overrides
