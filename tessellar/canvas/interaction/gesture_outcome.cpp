// The command values of a completed canvas gesture.

#include "tessellar/canvas/interaction/gesture_outcome.h"

#include "tessellar/overrides/item_placement.h"

namespace canvas::interaction {

namespace {

commands::CommandValue Pair(const model::CScreenModel& model, int row, int column) {
    const model::CellPosition at = overrides::AbsolutePosition(model, {row, column});
    return {std::to_string(at.row) + "," + std::to_string(at.column)};
}

}  // namespace

std::vector<commands::CommandValue> CommandValues(const GestureOutcome& outcome, const model::CScreenModel& model) {
    const model::BoxCorners& c = outcome.corners;
    switch (outcome.kind) {
        case OutcomeKind::MoveItem: return {Pair(model, outcome.at.row, outcome.at.column)};
        case OutcomeKind::ResizeField:
            return {{std::to_string(outcome.width)}, Pair(model, outcome.at.row, outcome.at.column)};
        case OutcomeKind::MoveBox: return {Pair(model, c.top, c.left), Pair(model, c.bottom, c.right)};
        case OutcomeKind::AddBox: return {Pair(model, c.top, c.left), Pair(model, c.bottom, c.right), {"", true}};
        case OutcomeKind::ResizeWindow: return {{std::to_string(outcome.width) + "," + std::to_string(outcome.height)}};
        case OutcomeKind::Nothing:
        case OutcomeKind::BoxOnDataGrid:
        case OutcomeKind::MoveGroup:
        case OutcomeKind::SelectBand: break;
    }
    return {};
}

}  // namespace canvas::interaction
