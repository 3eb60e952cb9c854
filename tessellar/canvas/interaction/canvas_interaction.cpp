// The canvas's mouse editing: modes, band and outcomes.

#include "tessellar/canvas/interaction/canvas_interaction.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "tessellar/canvas/interaction/interaction_texts.h"
#include "tessellar/commands/command_texts.h"
#include "tessellar/commands/move_choice.h"

namespace canvas::interaction {

namespace {

bool NewlyPlaced(SelectionKind kind) {
    return kind == SelectionKind::PlacedHorizontal || kind == SelectionKind::Placed23 ||
           kind == SelectionKind::Placed24;
}

// The eight points a box is tested with against the data grid.
bool TouchesWindow(const PixelRect& lines, const PixelRect& window) {
    const int middleX = lines.left + (lines.right - lines.left) / 2;
    const int middleY = lines.top + (lines.bottom - lines.top) / 2;
    const PixelPoint points[] = {{lines.left, lines.top},     {middleX, lines.top},     {lines.right, lines.top},
                                 {lines.right, middleY},      {lines.right, lines.bottom}, {middleX, lines.bottom},
                                 {lines.left, lines.bottom},  {lines.left, middleY}};
    return std::any_of(std::begin(points), std::end(points), [&](PixelPoint p) { return window.Contains(p); });
}

template <typename Item>
bool Holds(model::ItemList<Item>& list, const Item* item) {
    if (item == nullptr) return false;
    for (Item& candidate : list) {
        if (&candidate == item) return true;
    }
    return false;
}

// The item is still in the list (addresses compared only) and still has the key.
template <typename Item>
bool StillHeld(model::ItemList<Item>& list, Item* item, const std::string& keyLines) {
    return Holds(list, item) && commands::IdentifierLines(commands::KeyOf(*item)) == keyLines;
}

// A hidden item keeps its key but is no longer on the screen to select.
bool Hidden(const ItemHit& hit) {
    switch (hit.kind) {
        case SelectionKind::Display: return hit.display->suppressed.Current();
        case SelectionKind::Accept: return hit.accept->suppressed.Current();
        case SelectionKind::Option: return hit.option->suppressed.Current();
        case SelectionKind::Mode: return hit.mode->suppressed.Current();
        case SelectionKind::Box: return hit.box->suppressed.Current();
        default: return false;
    }
}

model::CellPosition NotBeforeOrigin(int row, int column) { return {std::max(0, row), std::max(0, column)}; }

// A cell span as box corners, the last row and column inclusive.
model::BoxCorners SpanCorners(const CellSpan& span) {
    const model::CellPosition at = NotBeforeOrigin(span.row, span.column);
    return {at.column, at.row, at.column + span.columns - 1, at.row + span.rows - 1};
}

// A resolved item as the hit of the kind; none when it is not of that kind.
ItemHit HitOf(const commands::ResolvedItem& found, SelectionKind kind, int gridShift) {
    ItemHit hit;
    if (kind == SelectionKind::Display && found.display != nullptr) {
        hit.display = found.display;
        hit.cells = ItemCells(*found.display, false, gridShift);
    } else if (kind == SelectionKind::Accept && found.accept != nullptr) {
        hit.accept = found.accept;
        hit.cells = ItemCells(*found.accept, true, gridShift);
    } else if (kind == SelectionKind::Option && found.option != nullptr) {
        hit.option = found.option;
        hit.cells = ItemCells(*found.option);
    } else if (kind == SelectionKind::Mode && found.mode != nullptr) {
        hit.mode = found.mode;
        hit.cells = ItemCells(*found.mode);
    } else if (kind == SelectionKind::Box && found.box != nullptr) {
        hit.box = found.box;
        hit.cells = ItemCells(*found.box);
    } else {
        return hit;
    }
    hit.kind = kind;
    return hit;
}

}  // namespace

bool CanvasInteraction::ShowsHandles() const {
    return selection_.kind != SelectionKind::None && !NewlyPlaced(selection_.kind);
}

PixelRect CanvasInteraction::HandleCorners() const {
    return HandleFrame(SelectionPixels(), cell_, selection_.kind == SelectionKind::Box);
}

bool CanvasInteraction::Movable() const {
    switch (selection_.kind) {
        case SelectionKind::Display:
        case SelectionKind::Accept:
        case SelectionKind::Option:
        case SelectionKind::Box:
        case SelectionKind::PlacedHorizontal: return true;
        default: return false;
    }
}

bool CanvasInteraction::Resizable() const {
    return selection_.kind == SelectionKind::Display || selection_.kind == SelectionKind::Accept ||
           selection_.kind == SelectionKind::Box;
}

void CanvasInteraction::Select(const ItemHit& hit) {
    selection_ = hit;
    key_ = {};
    if (hit.display != nullptr) key_ = commands::KeyOf(*hit.display);
    if (hit.accept != nullptr) key_ = commands::KeyOf(*hit.accept);
    if (hit.option != nullptr) key_ = commands::KeyOf(*hit.option);
    if (hit.mode != nullptr) key_ = commands::KeyOf(*hit.mode);
    if (hit.box != nullptr) key_ = commands::KeyOf(*hit.box);
}

void CanvasInteraction::ResetSelection() {
    attached_ = false;
    selection_ = {};
    suppressed_ = {};
    rightClick_.reset();
    key_ = {};
    handle_ = Handle::None;
    if (mode_ != Mode::BoxTool) mode_ = Mode::Ready;
}

bool CanvasInteraction::Refresh(model::CScreenModel& model) {
    if (!selection_) return false;
    const std::string keyLines = commands::IdentifierLines(key_);
    // The item the screen still holds, else the one that took its key in a rebuild.
    commands::ResolvedItem held;
    bool stillHeld = false;
    switch (selection_.kind) {
        case SelectionKind::Display:
            stillHeld = StillHeld(model.Displays(), held.display = selection_.display, keyLines);
            break;
        case SelectionKind::Accept:
            stillHeld = StillHeld(model.Accepts(), held.accept = selection_.accept, keyLines);
            break;
        case SelectionKind::Option:
            stillHeld = StillHeld(model.Options(), held.option = selection_.option, keyLines);
            break;
        case SelectionKind::Mode: stillHeld = StillHeld(model.Modes(), held.mode = selection_.mode, keyLines); break;
        case SelectionKind::Box: stillHeld = StillHeld(model.Boxes(), held.box = selection_.box, keyLines); break;
        default: break;
    }
    std::optional<commands::ResolvedItem> found;
    if (stillHeld) found = held;
    if (!found) found = commands::Resolve(model, key_);
    const ItemHit hit = found ? HitOf(*found, selection_.kind, gridShift_) : ItemHit{};
    if (!hit || Hidden(hit)) {
        ResetSelection();
        return false;
    }
    const bool overlapping = selection_.overlapping;
    selection_ = hit;
    selection_.overlapping = overlapping;
    return true;
}

bool CanvasInteraction::SelectKey(model::CScreenModel& model, SelectionKind kind, const commands::ItemKey& key) {
    ResetSelection();
    selection_.kind = kind;
    key_ = key;
    return Refresh(model);
}

void CanvasInteraction::SelectAt(model::CScreenModel& model, PixelPoint p) {
    ResetSelection();
    Select(HitTest(model, p, cell_, gridShift_, GridWindow()));
}

void CanvasInteraction::SelectItem(const ItemHit& hit) {
    ResetSelection();
    Select(hit);
}

void CanvasInteraction::RightPress(model::CScreenModel& model, PixelPoint p) {
    mode_ = Mode::Ready;
    ResetSelection();
    Select(HitTest(model, p, cell_, gridShift_, GridWindow()));
    // A hidden item is noted even when a box behind it is selected.
    suppressed_ = SuppressedAt(model, p, cell_, gridShift_, GridWindow());
    rightClickOnEmpty_ = !selection_;
    rightClick_.reset();
}

std::optional<PixelRect> CanvasInteraction::InsertionMark() const {
    if (!rightClick_ || !rightClickOnEmpty_) return std::nullopt;
    return PixelRect{rightClick_->x, rightClick_->y, rightClick_->x + 2, rightClick_->y + cell_.height};
}

void CanvasInteraction::ArmBoxTool() {
    ResetSelection();
    mode_ = Mode::BoxTool;
    cursor_ = Cursor::Cross;
}

void CanvasInteraction::Cancel() {
    attached_ = false;
    mode_ = Mode::Ready;
    handle_ = Handle::None;
    cursor_ = Cursor::Arrow;
}

void CanvasInteraction::Press(model::CScreenModel& model, PixelPoint p) {
    press_ = mouse_ = p;
    if (mode_ == Mode::BoxTool) {
        mode_ = Mode::BoxDrawing;
        band_ = painted_ = {p.x, p.y, p.x, p.y};
        return;
    }
    if (mode_ == Mode::ArmedResize && handle_ != Handle::None && Resizable()) {
        band_ = painted_ = SelectionPixels();
        return;  // resizing starts with the first drag
    }
    ResetSelection();
    Select(HitTest(model, p, cell_, gridShift_, GridWindow()));
    if (Movable() && SelectionPixels().Contains(p)) {
        mode_ = Mode::ArmedMove;
        cursor_ = Cursor::FourWay;
        band_ = painted_ = SelectionPixels();
    } else {
        cursor_ = Cursor::Arrow;
    }
}

Cursor CanvasInteraction::Hover(PixelPoint p) {
    mouse_ = p;
    if (mode_ == Mode::BoxTool) return cursor_ = Cursor::Cross;
    if (mode_ != Mode::Ready && mode_ != Mode::ArmedMove && mode_ != Mode::ArmedResize) return cursor_;
    mode_ = Mode::Ready;
    handle_ = Handle::None;
    cursor_ = Cursor::Arrow;
    if (!ShowsHandles()) return cursor_;
    if (Resizable()) handle_ = HandleAt(HandleCorners(), p);
    if (handle_ != Handle::None) {
        mode_ = Mode::ArmedResize;
        cursor_ = HandleCursor(handle_);
    } else if (Movable() && selection_.kind != SelectionKind::Box && SelectionPixels().Contains(p)) {
        mode_ = Mode::ArmedMove;
        cursor_ = Cursor::FourWay;
    }
    return cursor_;
}

std::optional<PixelRect> CanvasInteraction::RubberBand() const {
    if (mode_ == Mode::Moving || mode_ == Mode::Resizing || mode_ == Mode::BoxDrawing) {
        if (BandIsBox()) return HandleFrame(band_, cell_, true);
        return band_;
    }
    return std::nullopt;
}

bool CanvasInteraction::BandIsBox() const { return selection_.kind == SelectionKind::Box; }

bool CanvasInteraction::Drag(PixelPoint p) {
    mouse_ = p;
    const int dx = p.x - press_.x;
    const int dy = selection_.kind == SelectionKind::PlacedHorizontal ? 0 : p.y - press_.y;
    if (mode_ == Mode::ArmedMove) mode_ = Mode::Moving;
    if (mode_ == Mode::ArmedResize && handle_ != Handle::None) mode_ = Mode::Resizing;
    switch (mode_) {
        case Mode::Moving: band_ = SelectionPixels().Moved(dx, dy); break;
        case Mode::Resizing: band_ = DragEdges(SelectionPixels(), handle_, dx, dy); break;
        case Mode::BoxDrawing:
            band_ = {std::min(press_.x, p.x), std::min(press_.y, p.y), std::max(press_.x, p.x),
                     std::max(press_.y, p.y)};
            break;
        default: return false;
    }
    // A band that moved by less than a cell is not worth a full repaint.
    const bool wholeCell = std::abs(band_.left - painted_.left) >= cell_.width ||
                           std::abs(band_.right - painted_.right) >= cell_.width ||
                           std::abs(band_.top - painted_.top) >= cell_.height ||
                           std::abs(band_.bottom - painted_.bottom) >= cell_.height;
    if (wholeCell) painted_ = band_;
    return wholeCell;
}

GestureOutcome CanvasInteraction::Release(PixelPoint p) {
    mouse_ = p;
    attached_ = false;
    GestureOutcome outcome;
    if (mode_ == Mode::Moving) outcome = FinishMove(p);
    if (mode_ == Mode::Resizing) outcome = FinishResize(p);
    if (mode_ == Mode::BoxDrawing) outcome = FinishBox(p);
    const bool boxTool = mode_ == Mode::BoxDrawing;
    mode_ = Mode::Ready;
    handle_ = Handle::None;
    if (boxTool) cursor_ = Cursor::Arrow;
    return outcome;
}

model::CellPosition CanvasInteraction::Unscrolled(model::CellPosition at) const {
    if (gridShift_ == 0 || !gridWindow_) return at;
    const PixelPoint middle{at.column * cell_.width + cell_.width / 2, at.row * cell_.height + cell_.height / 2};
    if (!gridWindow_->Contains(middle)) return at;
    return {at.row, at.column + gridShift_};
}

bool CanvasInteraction::AttachToMouse(model::CScreenModel& model, const commands::ItemKey& key, PixelPoint mouse) {
    ResetSelection();
    const std::optional<commands::ResolvedItem> found = commands::Resolve(model, key);
    if (!found) return false;
    const SelectionKind kind = found->display != nullptr  ? SelectionKind::Display
                               : found->accept != nullptr ? SelectionKind::Accept
                               : found->option != nullptr ? SelectionKind::Option
                                                          : SelectionKind::None;
    const ItemHit hit = HitOf(*found, kind, gridShift_);
    if (!hit) return false;
    Select(hit);
    // The field's first cell sits under the mouse while it follows.
    press_ = {hit.cells.left * cell_.width + cell_.width / 2, hit.cells.top * cell_.height + cell_.height / 2};
    band_ = painted_ = SelectionPixels();
    mode_ = Mode::Moving;
    cursor_ = Cursor::FourWay;
    attached_ = true;
    Drag(mouse);
    return true;
}

GestureOutcome CanvasInteraction::FinishMove(PixelPoint p) {
    GestureOutcome outcome;
    const int dx = p.x - press_.x;
    const int dy = selection_.kind == SelectionKind::PlacedHorizontal ? 0 : p.y - press_.y;
    const PixelRect moved = SelectionPixels().Moved(dx, dy);
    const CellSpan span = ToCells(moved, cell_);
    const model::CellPosition at = NotBeforeOrigin(span.row, span.column);
    if (at.row == selection_.cells.top && at.column == selection_.cells.left) return outcome;
    outcome.key = key_;
    switch (selection_.kind) {
        case SelectionKind::Display: outcome.command = commands::MoveCommandOf(*selection_.display); break;
        case SelectionKind::Accept: outcome.command = commands::MoveCommandOf(*selection_.accept); break;
        case SelectionKind::Option: outcome.command = commands::texts::kMoveMenu; break;
        case SelectionKind::Box:
            if (gridWindow_ && TouchesWindow(HandleFrame(moved, cell_, true), *gridWindow_)) {
                outcome.kind = OutcomeKind::BoxOnDataGrid;
                outcome.refusal = texts::kBoxOnDataGrid;
                return outcome;
            }
            outcome.kind = OutcomeKind::MoveBox;
            outcome.command = commands::texts::kMovingOrResizingBox;
            outcome.corners = SpanCorners(span);
            break;
        default: return {};
    }
    if (outcome.kind == OutcomeKind::Nothing) {
        outcome.kind = OutcomeKind::MoveItem;
        outcome.at = Unscrolled(at);
    }
    const int columns = selection_.cells.right - selection_.cells.left;
    selection_.cells = {at.column, at.row, at.column + columns, at.row + selection_.cells.bottom - selection_.cells.top};
    return outcome;
}

GestureOutcome CanvasInteraction::FinishResize(PixelPoint p) {
    GestureOutcome outcome;
    const PixelRect resized = DragEdges(SelectionPixels(), handle_, p.x - press_.x, p.y - press_.y);
    const CellSpan span = ToCells(resized, cell_);
    const CellRect before = selection_.cells;
    if (span.row == before.top && span.column == before.left && span.rows == before.bottom - before.top &&
        span.columns == before.right - before.left) {
        return outcome;
    }
    outcome.key = key_;
    if (selection_.kind == SelectionKind::Box) {
        if (span.rows < 1 || span.columns < 1) return {};
        outcome.kind = OutcomeKind::MoveBox;
        outcome.command = commands::texts::kMovingOrResizingBox;
        outcome.corners = SpanCorners(span);
        return outcome;
    }
    // A narrow entry field was hit one cell wider than it is.
    const int extra = selection_.accept != nullptr && selection_.accept->width.Current() < kNarrowAcceptWidth ? 1 : 0;
    const int width = span.columns - extra;
    if (width < 1) return {};
    outcome.kind = OutcomeKind::ResizeField;
    outcome.command =
        selection_.kind == SelectionKind::Display ? commands::texts::kResizeDisplay : commands::texts::kResizeAccept;
    outcome.at = Unscrolled(NotBeforeOrigin(span.row, span.column));
    outcome.width = width;
    return outcome;
}

GestureOutcome CanvasInteraction::Nudge(int rows, int columns, bool resize) {
    if (mode_ != Mode::Ready && mode_ != Mode::ArmedMove && mode_ != Mode::ArmedResize) return {};
    const PixelPoint to{columns * cell_.width, rows * cell_.height};
    press_ = {0, 0};
    GestureOutcome outcome;
    if (!resize) {
        if (Movable() && selection_.kind != SelectionKind::PlacedHorizontal) outcome = FinishMove(to);
    } else if (Resizable()) {
        // Fields are one row high: only their width follows the keys.
        if (selection_.kind != SelectionKind::Box && rows != 0) return {};
        const Handle saved = handle_;
        handle_ = rows != 0 ? Handle::BottomMiddle : Handle::RightMiddle;
        outcome = FinishResize(to);
        handle_ = saved;
    }
    return outcome;
}

GestureOutcome CanvasInteraction::FinishBox(PixelPoint p) const {
    // The box's lines run through the middles of the cells the drag began
    // and ended in, whichever way it was drawn.
    const CellPoint from = CellUnder(press_, cell_);
    const CellPoint to = CellUnder(p, cell_);
    GestureOutcome outcome;
    if (from.row == to.row || from.column == to.column) return outcome;
    outcome.kind = OutcomeKind::AddBox;
    outcome.command = commands::texts::kAddBox;
    outcome.corners = {std::min(from.column, to.column), std::min(from.row, to.row), std::max(from.column, to.column),
                       std::max(from.row, to.row)};
    return outcome;
}

}  // namespace canvas::interaction
