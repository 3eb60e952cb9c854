// The canvas's mouse editing: modes, band and outcomes.

#include "tessellar/canvas/interaction/canvas_interaction.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "tessellar/commands/command_texts.h"
#include "tessellar/commands/move_choice.h"
#include "tessellar/overrides/value_readers.h"

namespace canvas::interaction {

namespace {

bool NewlyPlaced(SelectionKind kind) {
    return kind == SelectionKind::PlacedHorizontal || kind == SelectionKind::Placed23 ||
           kind == SelectionKind::Placed24;
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

commands::ItemKey KeyOfHit(const ItemHit& hit) {
    if (hit.display != nullptr) return commands::KeyOf(*hit.display);
    if (hit.accept != nullptr) return commands::KeyOf(*hit.accept);
    if (hit.option != nullptr) return commands::KeyOf(*hit.option);
    if (hit.mode != nullptr) return commands::KeyOf(*hit.mode);
    if (hit.box != nullptr) return commands::KeyOf(*hit.box);
    return {};
}

bool SameItem(const ItemHit& a, const ItemHit& b) {
    return a.kind == b.kind && a.display == b.display && a.accept == b.accept && a.option == b.option &&
           a.mode == b.mode && a.box == b.box;
}

// Every item the screen shows, in hit order, with its cells.
std::vector<ItemHit> ShownItems(model::CScreenModel& model, int gridShift) {
    std::vector<ItemHit> shown;
    const auto add = [&shown](SelectionKind kind, auto& list, auto pointer, auto cellsOf) {
        for (auto& item : list) {
            if (item.suppressed.Current()) continue;
            ItemHit hit;
            hit.kind = kind;
            hit.*pointer = &item;
            hit.cells = cellsOf(item);
            shown.push_back(hit);
        }
    };
    add(SelectionKind::Display, model.Displays(), &ItemHit::display,
        [gridShift](const model::CDispText& d) { return ItemCells(d, false, gridShift); });
    add(SelectionKind::Accept, model.Accepts(), &ItemHit::accept,
        [gridShift](const model::CAcceptFld& a) { return ItemCells(a, true, gridShift); });
    add(SelectionKind::Option, model.Options(), &ItemHit::option, [](const model::COptionItem& o) { return ItemCells(o); });
    for (model::CModeItem& mode : model.Modes()) {
        ItemHit hit;
        hit.kind = SelectionKind::Mode;
        hit.mode = &mode;
        hit.cells = ItemCells(mode);
        shown.push_back(hit);
    }
    add(SelectionKind::Box, model.Boxes(), &ItemHit::box, [](const model::CBoxItem& b) { return ItemCells(b); });
    return shown;
}

// A point inside a box away from its lines, which run through its outer cells.
bool InsideBoxLines(const CellRect& box, CellPoint at) {
    return at.row > box.top && at.row < box.bottom - 1 && at.column > box.left && at.column < box.right - 1;
}

// The window's client area in cells, from the screen origin.
std::optional<CellRect> WindowCells(const model::CScreenModel& model) {
    const model::CScreenWnd* frame = model.Frame();
    if (frame == nullptr) return std::nullopt;
    return CellRect{0, 0, frame->Columns(), frame->Rows()};
}

bool Encloses(const PixelRect& outer, const PixelRect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace

bool CanvasInteraction::ShowsHandles() const {
    return selection_.kind != SelectionKind::None && !NewlyPlaced(selection_.kind);
}

PixelRect CanvasInteraction::HandleCorners() const {
    if (selection_.kind == SelectionKind::Window) return WindowHandleFrame(SelectionPixels());
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
           selection_.kind == SelectionKind::Box || selection_.kind == SelectionKind::Window;
}

void CanvasInteraction::Select(const ItemHit& hit) {
    selection_ = hit;
    key_ = KeyOfHit(hit);
}

bool CanvasInteraction::IsMember(const ItemHit& hit) const {
    if (SameItem(hit, selection_)) return true;
    return std::any_of(others_.begin(), others_.end(), [&](const GroupMember& m) { return SameItem(hit, m.hit); });
}

void CanvasInteraction::ResetSelection() {
    attached_ = false;
    selection_ = {};
    suppressed_ = {};
    rightClick_.reset();
    key_ = {};
    others_.clear();
    groupDrag_ = false;
    handle_ = Handle::None;
    if (mode_ != Mode::BoxTool) mode_ = Mode::Ready;
}

GroupMember CanvasInteraction::FoundAgain(model::CScreenModel& model, const GroupMember& member) {
    const std::string keyLines = commands::IdentifierLines(member.key);
    // The item the screen still holds, else the one that took its key in a rebuild.
    commands::ResolvedItem held;
    bool stillHeld = false;
    switch (member.hit.kind) {
        case SelectionKind::Display:
            stillHeld = StillHeld(model.Displays(), held.display = member.hit.display, keyLines);
            break;
        case SelectionKind::Accept:
            stillHeld = StillHeld(model.Accepts(), held.accept = member.hit.accept, keyLines);
            break;
        case SelectionKind::Option:
            stillHeld = StillHeld(model.Options(), held.option = member.hit.option, keyLines);
            break;
        case SelectionKind::Mode: stillHeld = StillHeld(model.Modes(), held.mode = member.hit.mode, keyLines); break;
        case SelectionKind::Box: stillHeld = StillHeld(model.Boxes(), held.box = member.hit.box, keyLines); break;
        default: break;
    }
    std::optional<commands::ResolvedItem> found;
    if (stillHeld) found = held;
    if (!found) found = commands::Resolve(model, member.key);
    GroupMember again{found ? HitOf(*found, member.hit.kind, gridShift_) : ItemHit{}, member.key};
    if (!again.hit) {
        // A key that named the item's old place: the item is where it was moved.
        for (const ExpectedMove& moved : expected_) {
            if (moved.keyLines != keyLines || moved.kind != member.hit.kind) continue;
            const PixelPoint inside{moved.cells.left * cell_.width + cell_.width / 2,
                                    moved.cells.top * cell_.height + cell_.height / 2};
            const ItemHit hit = HitTest(model, inside, cell_, gridShift_, GridWindow());
            if (hit.kind == member.hit.kind) again = {hit, KeyOfHit(hit)};
            break;
        }
    }
    if (!again.hit || Hidden(again.hit)) return {};
    again.hit.overlapping = member.hit.overlapping;
    return again;
}

bool CanvasInteraction::Refresh(model::CScreenModel& model) {
    if (!selection_) return false;
    // The window is always there, at the size the rebuilt screen gives it;
    // a resize armed or in progress goes on.
    if (selection_.kind == SelectionKind::Window) {
        const std::optional<CellRect> cells = WindowCells(model);
        if (!cells) ResetSelection();
        else selection_.cells = *cells;
        return cells.has_value();
    }
    const GroupMember key = FoundAgain(model, {selection_, key_});
    std::vector<GroupMember> others;
    for (const GroupMember& member : others_) {
        if (GroupMember again = FoundAgain(model, member); again.hit) others.push_back(again);
    }
    expected_.clear();
    if (!key.hit && others.empty()) {
        ResetSelection();
        return false;
    }
    // A key item that went hands its part to the next one selected.
    if (key.hit) {
        selection_ = key.hit;
        key_ = key.key;
    } else {
        selection_ = others.front().hit;
        key_ = others.front().key;
        others.erase(others.begin());
    }
    others_ = std::move(others);
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

bool CanvasInteraction::SelectWindow(const model::CScreenModel& model) {
    ResetSelection();
    const std::optional<CellRect> cells = WindowCells(model);
    if (!cells) return false;
    selection_.kind = SelectionKind::Window;
    selection_.cells = *cells;
    key_ = commands::WindowKey();
    return true;
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

void CanvasInteraction::Escape() {
    if (mode_ == Mode::Ready || mode_ == Mode::ArmedMove || mode_ == Mode::ArmedResize) {
        if (!attached_) return ResetSelection();
    }
    Cancel();
}

void CanvasInteraction::Cancel() {
    attached_ = false;
    groupDrag_ = false;
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
    const ItemHit hit = HitTest(model, p, cell_, gridShift_, GridWindow());
    // A press on any item of a group keeps the group and arms its move.
    if (SelectedCount() > 1 && hit && CanMove(hit.kind) && IsMember(hit)) {
        mode_ = Mode::ArmedMove;
        groupDrag_ = true;
        dragItem_ = hit.cells;
        pressed_ = hit;
        cursor_ = Cursor::FourWay;
        band_ = painted_ = hit.cells.Pixels(cell_);
        return;
    }
    ResetSelection();
    Select(hit);
    const bool insideBox = hit.kind == SelectionKind::Box && InsideBoxLines(hit.cells, CellUnder(p, cell_));
    if (Movable() && SelectionPixels().Contains(p) && !insideBox) {
        mode_ = Mode::ArmedMove;
        cursor_ = Cursor::FourWay;
        band_ = painted_ = SelectionPixels();
    } else {
        cursor_ = Cursor::Arrow;
        // Empty canvas, or a box's inside: a drag from here draws a rubber band.
        if (!hit || insideBox) {
            mode_ = Mode::ArmedBand;
            band_ = painted_ = {p.x, p.y, p.x, p.y};
        }
    }
}

Cursor CanvasInteraction::Hover(PixelPoint p) {
    mouse_ = p;
    if (mode_ == Mode::BoxTool) return cursor_ = Cursor::Cross;
    if (mode_ != Mode::Ready && mode_ != Mode::ArmedMove && mode_ != Mode::ArmedResize && mode_ != Mode::ArmedBand) {
        return cursor_;
    }
    mode_ = Mode::Ready;
    handle_ = Handle::None;
    cursor_ = Cursor::Arrow;
    if (!ShowsHandles()) return cursor_;
    if (Resizable()) handle_ = HandleAt(HandleCorners(), p);
    if (selection_.kind == SelectionKind::Window && !WindowHandle(handle_)) handle_ = Handle::None;
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
    if (Dragging()) {
        if (BandIsBox()) return HandleFrame(band_, cell_, true);
        return band_;
    }
    return std::nullopt;
}

bool CanvasInteraction::BandIsBox() const { return selection_.kind == SelectionKind::Box && mode_ != Mode::Banding; }

bool CanvasInteraction::Drag(PixelPoint p) {
    mouse_ = p;
    const int dx = p.x - press_.x;
    const int dy = selection_.kind == SelectionKind::PlacedHorizontal ? 0 : p.y - press_.y;
    if (mode_ == Mode::ArmedMove) mode_ = Mode::Moving;
    if (mode_ == Mode::ArmedResize && handle_ != Handle::None) mode_ = Mode::Resizing;
    if (mode_ == Mode::ArmedBand) mode_ = Mode::Banding;
    switch (mode_) {
        case Mode::Moving: band_ = (groupDrag_ ? dragItem_.Pixels(cell_) : SelectionPixels()).Moved(dx, dy); break;
        case Mode::Resizing: band_ = DragEdges(SelectionPixels(), handle_, dx, dy); break;
        case Mode::Banding:
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
    if (mode_ == Mode::Moving) outcome = groupDrag_ ? FinishGroupMove(p) : FinishMove(p);
    if (mode_ == Mode::Banding) outcome.kind = OutcomeKind::SelectBand;
    // A click on one item of a group, without a drag, selects that item alone.
    if (mode_ == Mode::ArmedMove && groupDrag_) {
        others_.clear();
        Select(pressed_);
    }
    if (mode_ == Mode::Resizing) outcome = FinishResize(p);
    if (mode_ == Mode::BoxDrawing) outcome = FinishBox(p);
    const bool boxTool = mode_ == Mode::BoxDrawing;
    mode_ = Mode::Ready;
    groupDrag_ = false;
    handle_ = Handle::None;
    if (boxTool) cursor_ = Cursor::Arrow;
    return outcome;
}

MoveContext CanvasInteraction::Context() const { return {cell_, GridWindow(), gridShift_}; }

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
    const int dx = p.x - press_.x;
    const int dy = selection_.kind == SelectionKind::PlacedHorizontal ? 0 : p.y - press_.y;
    const GestureOutcome outcome = MoveOutcomeOf({selection_, key_}, SelectionPixels().Moved(dx, dy), Context());
    if (!outcome.AsksForCommand()) return outcome;
    const CellSpan span = ToCells(SelectionPixels().Moved(dx, dy), cell_);
    const model::CellPosition at = NotBeforeOrigin(span.row, span.column);
    const int columns = selection_.cells.right - selection_.cells.left;
    selection_.cells = {at.column, at.row, at.column + columns, at.row + selection_.cells.bottom - selection_.cells.top};
    return outcome;
}

GestureOutcome CanvasInteraction::FinishGroupMove(PixelPoint p) {
    GestureOutcome outcome;
    const PixelRect moved = dragItem_.Pixels(cell_).Moved(p.x - press_.x, p.y - press_.y);
    const CellSpan span = ToCells(moved, cell_);
    const model::CellPosition by{span.row - dragItem_.top, span.column - dragItem_.left};
    if (by.row == 0 && by.column == 0) return outcome;
    outcome.kind = OutcomeKind::MoveGroup;
    outcome.by = by;
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
    if (selection_.kind == SelectionKind::Window) return FinishWindowResize(span);
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
    outcome.at = Unscrolled(NotBeforeOrigin(span.row, span.column), Context());
    outcome.width = width;
    return outcome;
}

GestureOutcome CanvasInteraction::FinishWindowResize(const CellSpan& span) const {
    GestureOutcome outcome;
    if (span.rows < 1 || span.columns < 1) return outcome;
    outcome.kind = OutcomeKind::ResizeWindow;
    outcome.command = commands::texts::kResizeTheWindow;
    outcome.key = key_;
    // Beyond the largest screen the runtime would ignore the size.
    outcome.width = std::min(span.columns, overrides::kLargestScreenCells);
    outcome.height = std::min(span.rows, overrides::kLargestScreenCells);
    return outcome;
}

GestureOutcome CanvasInteraction::Nudge(int rows, int columns, bool resize) {
    if (mode_ != Mode::Ready && mode_ != Mode::ArmedMove && mode_ != Mode::ArmedResize) return {};
    const PixelPoint to{columns * cell_.width, rows * cell_.height};
    press_ = {0, 0};
    GestureOutcome outcome;
    if (SelectedCount() > 1) {
        // A group moves as one; a resize is for one item.
        if (resize || (rows == 0 && columns == 0)) return outcome;
        outcome.kind = OutcomeKind::MoveGroup;
        outcome.by = {rows, columns};
        return outcome;
    }
    if (!resize) {
        if (Movable() && selection_.kind != SelectionKind::PlacedHorizontal) outcome = FinishMove(to);
    } else if (Resizable()) {
        // Fields are one row high: only their width follows the keys.
        const bool twoWays = selection_.kind == SelectionKind::Box || selection_.kind == SelectionKind::Window;
        if (!twoWays && rows != 0) return {};
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

void CanvasInteraction::TogglePress(model::CScreenModel& model, PixelPoint p) {
    press_ = mouse_ = p;
    mode_ = Mode::Ready;
    groupDrag_ = false;
    cursor_ = Cursor::Arrow;
    const ItemHit hit = HitTest(model, p, cell_, gridShift_, GridWindow());
    if (!hit) return;
    if (SameItem(hit, selection_)) {
        // The key item taken out: the next one selected becomes the key.
        if (others_.empty()) return ResetSelection();
        Select(others_.front().hit);
        others_.erase(others_.begin());
        return;
    }
    const auto member = std::find_if(others_.begin(), others_.end(),
                                     [&](const GroupMember& m) { return SameItem(hit, m.hit); });
    if (member != others_.end()) {
        others_.erase(member);
    } else if (!selection_) {
        Select(hit);
    } else {
        others_.push_back({hit, KeyOfHit(hit)});
    }
}

void CanvasInteraction::SelectAll(model::CScreenModel& model) {
    ResetSelection();
    const std::vector<ItemHit> shown = ShownItems(model, gridShift_);
    if (shown.empty()) return;
    Select(shown.front());
    for (std::size_t index = 1; index < shown.size(); ++index) others_.push_back({shown[index], KeyOfHit(shown[index])});
}

void CanvasInteraction::SelectBand(model::CScreenModel& model) {
    std::vector<GroupMember> inside;
    for (const ItemHit& hit : ShownItems(model, gridShift_)) {
        if (Encloses(band_, hit.cells.Pixels(cell_))) inside.push_back({hit, KeyOfHit(hit)});
    }
    if (inside.empty()) return;
    ResetSelection();
    Select(inside.front().hit);
    others_.assign(inside.begin() + 1, inside.end());
}

std::vector<GroupMember> CanvasInteraction::Members() const {
    std::vector<GroupMember> members;
    if (!selection_) return members;
    members.push_back({selection_, key_});
    members.insert(members.end(), others_.begin(), others_.end());
    return members;
}

std::vector<PixelRect> CanvasInteraction::OtherFrames() const {
    std::vector<PixelRect> frames;
    for (const GroupMember& member : others_) frames.push_back(member.hit.cells.Pixels(cell_));
    return frames;
}

std::vector<PixelRect> CanvasInteraction::GroupBands() const {
    std::vector<PixelRect> bands;
    if (!groupDrag_ || mode_ != Mode::Moving) return bands;
    const PixelRect from = dragItem_.Pixels(cell_);
    for (const GroupMember& member : Members()) {
        if (!CanMove(member.hit.kind)) continue;
        bands.push_back(member.hit.cells.Pixels(cell_).Moved(band_.left - from.left, band_.top - from.top));
    }
    return bands;
}

void CanvasInteraction::ExpectMoves(const std::vector<GestureOutcome>& outcomes) {
    expected_.clear();
    for (const GestureOutcome& outcome : outcomes) {
        for (const GroupMember& member : Members()) {
            if (commands::IdentifierLines(member.key) != commands::IdentifierLines(outcome.key)) continue;
            CellRect cells = member.hit.cells;
            const int rows = cells.bottom - cells.top;
            const int columns = cells.right - cells.left;
            model::CellPosition at = outcome.at;
            if (outcome.kind == OutcomeKind::MoveBox) at = {outcome.corners.top, outcome.corners.left};
            // Drawn where a scrolled grid shows it.
            if (member.hit.display != nullptr && member.hit.display->inReviewArea) at.column -= gridShift_;
            if (member.hit.accept != nullptr && member.hit.accept->inReviewArea) at.column -= gridShift_;
            cells = {at.column, at.row, at.column + columns, at.row + rows};
            expected_.push_back({commands::IdentifierLines(member.key), member.hit.kind, cells});
        }
    }
}

}  // namespace canvas::interaction
