#pragma once
// What the canvas does to several selected items at once: which of them a
// group move, the arrow keys or an alignment moves (and which it leaves
// out because they cannot move), where each goes, and the commands it takes
// to get them there. Each item gets the very command a single drag of it
// would ask for; the commands of one action run as one batch, which is
// refused whole when the model refuses any one of them.

#include <optional>
#include <string>
#include <vector>

#include "tessellar/canvas/interaction/gesture_outcome.h"
#include "tessellar/canvas/interaction/item_hit_test.h"
#include "tessellar/commands/command_batch.h"

namespace canvas::interaction {

// One selected item and the key its commands name it by.
struct GroupMember {
    ItemHit hit;
    commands::ItemKey key;
};

// What moving an item needs to know about the canvas.
struct MoveContext {
    CellSize cell;
    const PixelRect* gridWindow = nullptr;  // no box may be moved onto it
    int gridShift = 0;                      // the data grid's horizontal scroll
};

// The items a group move takes: displays, entry fields, options and boxes.
bool CanMove(SelectionKind kind);

// The outcome of dragging one item so that its pixels cover `moved`: its
// kind's move command with the new cell, a box's new corners, or the
// refusal of a box dropped onto the data grid; Nothing when it stays.
GestureOutcome MoveOutcomeOf(const GroupMember& item, const PixelRect& moved, const MoveContext& context);

// A cell before the screen origin is taken as the origin.
model::CellPosition NotBeforeOrigin(int row, int column);
// A cell span as box corners, the last row and column inclusive.
model::BoxCorners SpanCorners(const CellSpan& span);

// A cell as drawn, in the model's terms: inside a scrolled data grid the
// column lies `gridShift` columns further right.
model::CellPosition Unscrolled(model::CellPosition at, const MoveContext& context);

// What one action on the selection asks for.
struct GroupPlan {
    std::vector<GestureOutcome> outcomes;  // in the order their commands run
    int leftOut = 0;                       // selected items that cannot take part
    const char* refusal = nullptr;         // shown instead of running anything
};

// Every movable member moved by the same rows and columns. Items are moved
// front first, so no item is moved onto a place another still holds (keys
// of added items and boxes are their places).
GroupPlan PlanGroupMove(const std::vector<GroupMember>& members, int rows, int columns, const MoveContext& context);

enum class Alignment { Left, Right, Top, Bottom, SameWidth, SpaceEvenlyDown };

// The members lined up on the key item (the first member): its left,
// right, top or bottom edge, its width (for items whose width can change),
// or equal row gaps between the top and bottom item. Members already in
// place ask for nothing; a plan without outcomes changes nothing.
GroupPlan PlanAlignment(Alignment alignment, const std::vector<GroupMember>& members, const MoveContext& context);

// A command of the catalogue by name, for an item, with its values.
struct ItemCommand {
    std::string name;
    commands::ItemKey key;
    std::vector<commands::CommandValue> values;
};

// The commands a plan's outcomes ask for.
std::vector<ItemCommand> CommandsOf(const GroupPlan& plan, const model::CScreenModel& model);

// Delete on an item: its kind's suppress command; an entry field takes its
// own default while hidden. None for what cannot be hidden (the window).
std::optional<ItemCommand> SuppressCommandOf(const GroupMember& member);
// Delete on a selection: every member's suppress command; `leftOut` counts
// the members that have none.
std::vector<ItemCommand> SuppressCommands(const std::vector<GroupMember>& members, int& leftOut);

// The commands made against the screen as it is now, as one batch; the
// first that cannot be made refuses the whole action.
struct GroupBatch {
    commands::CommandBatch batch;
    std::optional<std::string> refusal;
};
GroupBatch MakeGroupBatch(model::CScreenModel& model, const std::vector<ItemCommand>& commands);

}  // namespace canvas::interaction
