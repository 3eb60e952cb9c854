// Group moves, alignments and deletes on the canvas's selection.

#include "tessellar/canvas/interaction/group_actions.h"

#include <algorithm>
#include <iterator>

#include "tessellar/canvas/interaction/interaction_texts.h"
#include "tessellar/commands/command_catalogue.h"
#include "tessellar/commands/command_texts.h"
#include "tessellar/commands/move_choice.h"

namespace canvas::interaction {

namespace {

// The eight points a box is tested with against the data grid.
bool TouchesWindow(const PixelRect& lines, const PixelRect& window) {
    const int middleX = lines.left + (lines.right - lines.left) / 2;
    const int middleY = lines.top + (lines.bottom - lines.top) / 2;
    const PixelPoint points[] = {{lines.left, lines.top},     {middleX, lines.top},        {lines.right, lines.top},
                                 {lines.right, middleY},      {lines.right, lines.bottom}, {middleX, lines.bottom},
                                 {lines.left, lines.bottom},  {lines.left, middleY}};
    return std::any_of(std::begin(points), std::end(points), [&](PixelPoint p) { return window.Contains(p); });
}

// The member moved by whole cells.
GestureOutcome MovedBy(const GroupMember& member, int rows, int columns, const MoveContext& context) {
    const PixelRect moved =
        member.hit.cells.Pixels(context.cell).Moved(columns * context.cell.width, rows * context.cell.height);
    return MoveOutcomeOf(member, moved, context);
}

// Adds a member's outcome to the plan; a refusal refuses the whole plan.
void Take(GroupPlan& plan, GestureOutcome outcome) {
    if (outcome.refusal != nullptr && plan.refusal == nullptr) plan.refusal = outcome.refusal;
    if (outcome.AsksForCommand()) plan.outcomes.push_back(std::move(outcome));
}

// The width an item's commands give it: a field's own width (a narrow
// entry field is hit one cell wider than it is), else its cells.
int WidthOf(const GroupMember& member) {
    if (member.hit.display != nullptr) return member.hit.display->width.Current();
    if (member.hit.accept != nullptr) return member.hit.accept->width.Current();
    return member.hit.cells.right - member.hit.cells.left;
}

bool WidthCanChange(SelectionKind kind) {
    return kind == SelectionKind::Display || kind == SelectionKind::Accept || kind == SelectionKind::Box;
}

GestureOutcome SameWidth(const GroupMember& member, int width, const MoveContext& context) {
    GestureOutcome outcome;
    if (width < 1 || WidthOf(member) == width) return outcome;
    const CellRect& cells = member.hit.cells;
    outcome.key = member.key;
    if (member.hit.kind == SelectionKind::Box) {
        if (width < 2) return {};  // a box keeps room between its lines
        outcome.kind = OutcomeKind::MoveBox;
        outcome.command = commands::texts::kMovingOrResizingBox;
        outcome.corners = {cells.left, cells.top, cells.left + width - 1, cells.bottom - 1};
        return outcome;
    }
    outcome.kind = OutcomeKind::ResizeField;
    outcome.command =
        member.hit.kind == SelectionKind::Display ? commands::texts::kResizeDisplay : commands::texts::kResizeAccept;
    outcome.at = Unscrolled(NotBeforeOrigin(cells.top, cells.left), context);
    outcome.width = width;
    return outcome;
}

GroupPlan SpaceEvenlyDown(std::vector<GroupMember> movable, const MoveContext& context) {
    GroupPlan plan;
    std::stable_sort(movable.begin(), movable.end(), [](const GroupMember& a, const GroupMember& b) {
        return a.hit.cells.top != b.hit.cells.top ? a.hit.cells.top < b.hit.cells.top
                                                  : a.hit.cells.left < b.hit.cells.left;
    });
    const int count = static_cast<int>(movable.size());
    if (count < 3) return plan;
    const int first = movable.front().hit.cells.top;
    const int span = movable.back().hit.cells.top - first;
    for (int index = 1; index + 1 < count; ++index) {
        // The index-th of count - 1 equal gaps, rounded half up.
        const int row = first + RoundHalfUp(index * span, count - 1);
        Take(plan, MovedBy(movable[index], row - movable[index].hit.cells.top, 0, context));
    }
    return plan;
}

}  // namespace

bool CanMove(SelectionKind kind) {
    return kind == SelectionKind::Display || kind == SelectionKind::Accept || kind == SelectionKind::Option ||
           kind == SelectionKind::Box;
}

model::CellPosition NotBeforeOrigin(int row, int column) { return {std::max(0, row), std::max(0, column)}; }

model::BoxCorners SpanCorners(const CellSpan& span) {
    const model::CellPosition at = NotBeforeOrigin(span.row, span.column);
    return {at.column, at.row, at.column + span.columns - 1, at.row + span.rows - 1};
}

model::CellPosition Unscrolled(model::CellPosition at, const MoveContext& context) {
    if (context.gridShift == 0 || context.gridWindow == nullptr) return at;
    const CellSize cell = context.cell;
    const PixelPoint middle{at.column * cell.width + cell.width / 2, at.row * cell.height + cell.height / 2};
    if (!context.gridWindow->Contains(middle)) return at;
    return {at.row, at.column + context.gridShift};
}

GestureOutcome MoveOutcomeOf(const GroupMember& item, const PixelRect& moved, const MoveContext& context) {
    GestureOutcome outcome;
    const CellSpan span = ToCells(moved, context.cell);
    const model::CellPosition at = NotBeforeOrigin(span.row, span.column);
    if (at.row == item.hit.cells.top && at.column == item.hit.cells.left) return outcome;
    outcome.key = item.key;
    switch (item.hit.kind) {
        case SelectionKind::Display: outcome.command = commands::MoveCommandOf(*item.hit.display); break;
        case SelectionKind::Accept: outcome.command = commands::MoveCommandOf(*item.hit.accept); break;
        case SelectionKind::Option: outcome.command = commands::texts::kMoveMenu; break;
        case SelectionKind::Box:
            if (context.gridWindow != nullptr &&
                TouchesWindow(HandleFrame(moved, context.cell, true), *context.gridWindow)) {
                outcome.kind = OutcomeKind::BoxOnDataGrid;
                outcome.refusal = texts::kBoxOnDataGrid;
                return outcome;
            }
            outcome.kind = OutcomeKind::MoveBox;
            outcome.command = commands::texts::kMovingOrResizingBox;
            outcome.corners = SpanCorners(span);
            return outcome;
        default: return {};
    }
    outcome.kind = OutcomeKind::MoveItem;
    outcome.at = Unscrolled(at, context);
    return outcome;
}

GroupPlan PlanGroupMove(const std::vector<GroupMember>& members, int rows, int columns, const MoveContext& context) {
    GroupPlan plan;
    std::vector<GroupMember> movable;
    for (const GroupMember& member : members) {
        if (CanMove(member.hit.kind)) movable.push_back(member);
        else ++plan.leftOut;
    }
    // The group keeps its shape at the screen's edge: it stops where its
    // first item reaches the origin.
    for (const GroupMember& member : movable) {
        rows = std::max(rows, -member.hit.cells.top);
        columns = std::max(columns, -member.hit.cells.left);
    }
    if (rows == 0 && columns == 0) return plan;
    // One of the program's own boxes takes what lies inside it along on its
    // own move: those items must not move twice.
    const auto carried = [&movable](const GroupMember& member) {
        if (member.hit.kind == SelectionKind::Box) return false;
        const CellRect& cells = member.hit.cells;
        for (const GroupMember& other : movable) {
            if (other.hit.kind != SelectionKind::Box || other.hit.box == nullptr || other.hit.box->added) continue;
            const model::BoxCorners box = other.hit.box->corners.Current();
            if (cells.top > box.top && cells.top < box.bottom && cells.left > box.left && cells.right - 1 < box.right) {
                return true;
            }
        }
        return false;
    };
    std::vector<GroupMember> moving;
    for (const GroupMember& member : movable) {
        if (!carried(member)) moving.push_back(member);
    }
    movable = std::move(moving);
    // Front first: the item furthest in the direction of the move goes first.
    const auto ahead = [rows, columns](const GroupMember& m) { return m.hit.cells.top * rows + m.hit.cells.left * columns; };
    std::stable_sort(movable.begin(), movable.end(),
                     [&](const GroupMember& a, const GroupMember& b) { return ahead(a) > ahead(b); });
    for (const GroupMember& member : movable) Take(plan, MovedBy(member, rows, columns, context));
    return plan;
}

GroupPlan PlanAlignment(Alignment alignment, const std::vector<GroupMember>& members, const MoveContext& context) {
    GroupPlan plan;
    if (members.size() < 2) return plan;
    const GroupMember& key = members.front();
    const CellRect& edge = key.hit.cells;
    std::vector<GroupMember> taking;
    for (const GroupMember& member : members) {
        const bool takes = alignment == Alignment::SameWidth ? WidthCanChange(member.hit.kind) : CanMove(member.hit.kind);
        if (takes) taking.push_back(member);
        else ++plan.leftOut;
    }
    if (alignment == Alignment::SpaceEvenlyDown) {
        GroupPlan spaced = SpaceEvenlyDown(std::move(taking), context);
        spaced.leftOut = plan.leftOut;
        return spaced;
    }
    // The key item is already where the others go: it asks for nothing.
    for (const GroupMember& member : taking) {
        const CellRect& cells = member.hit.cells;
        switch (alignment) {
            case Alignment::Left: Take(plan, MovedBy(member, 0, edge.left - cells.left, context)); break;
            case Alignment::Right: Take(plan, MovedBy(member, 0, edge.right - cells.right, context)); break;
            case Alignment::Top: Take(plan, MovedBy(member, edge.top - cells.top, 0, context)); break;
            case Alignment::Bottom: Take(plan, MovedBy(member, edge.bottom - cells.bottom, 0, context)); break;
            case Alignment::SameWidth: Take(plan, SameWidth(member, WidthOf(key), context)); break;
            case Alignment::SpaceEvenlyDown: break;
        }
    }
    return plan;
}

std::vector<ItemCommand> CommandsOf(const GroupPlan& plan, const model::CScreenModel& model) {
    std::vector<ItemCommand> made;
    for (const GestureOutcome& outcome : plan.outcomes) {
        made.push_back({outcome.command, outcome.key, CommandValues(outcome, model)});
    }
    return made;
}

std::optional<ItemCommand> SuppressCommandOf(const GroupMember& member) {
    namespace command = commands::texts;
    const ItemHit& hit = member.hit;
    switch (hit.kind) {
        case SelectionKind::Display: return ItemCommand{command::kSuppressDisplay, member.key, {}};
        case SelectionKind::Accept: {
            const bool literal = hit.accept->defaultKind.Current() == 0;
            return ItemCommand{command::kSuppressAccept, member.key, {{hit.accept->defaultValue.Current(), literal}}};
        }
        case SelectionKind::Option: return ItemCommand{command::kSuppressMenu, member.key, {}};
        case SelectionKind::Mode: return ItemCommand{command::kSuppressMode, member.key, {}};
        case SelectionKind::Box: return ItemCommand{command::kSuppressBox, member.key, {}};
        default: return std::nullopt;
    }
}

std::vector<ItemCommand> SuppressCommands(const std::vector<GroupMember>& members, int& leftOut) {
    std::vector<ItemCommand> made;
    leftOut = 0;
    for (const GroupMember& member : members) {
        if (std::optional<ItemCommand> command = SuppressCommandOf(member)) made.push_back(std::move(*command));
        else ++leftOut;
    }
    return made;
}

GroupBatch MakeGroupBatch(model::CScreenModel& model, const std::vector<ItemCommand>& commands) {
    GroupBatch group;
    for (const ItemCommand& command : commands) {
        commands::MadeCommand made = commands::MakeCommand(model, command.name, command.key, command.values);
        if (!made.command) {
            group.refusal = made.error;
            group.batch = {};
            return group;
        }
        group.batch.Add(std::move(made.command));
    }
    return group;
}

}  // namespace canvas::interaction
