#pragma once
// The canvas's mouse editing without a window: the selection, the handles,
// the mode a press, hover, drag and release move through, the rubber band
// and the cursor to show, and what a completed gesture asks for. The window
// feeds it mouse positions in the canvas's logical coordinates, paints the
// band and handles it reports, and turns each outcome into a command.

#include <optional>
#include <string>
#include <vector>

#include "tessellar/canvas/interaction/gesture_outcome.h"
#include "tessellar/canvas/interaction/group_actions.h"
#include "tessellar/canvas/interaction/item_hit_test.h"
#include "tessellar/canvas/interaction/pixel_geometry.h"

namespace canvas::interaction {

// ArmedBand and Banding: a drag from empty canvas (or from inside a box,
// away from its lines) draws a rubber band that selects what it encloses.
enum class Mode { Ready, ArmedMove, Moving, ArmedResize, Resizing, BoxTool, BoxDrawing, ArmedBand, Banding };

class CanvasInteraction {
public:
    explicit CanvasInteraction(CellSize cell) : cell_(cell) {}

    void SetCellSize(CellSize cell) { cell_ = cell; }
    // The graphical data grid's window, which no box may be moved onto.
    void SetDataGridWindow(std::optional<PixelRect> window) { gridWindow_ = window; }
    // The data grid's horizontal scroll in columns.
    void SetGridShift(int columns) { gridShift_ = columns; }

    // Left button down: fixes the box tool's anchor, starts an armed resize,
    // or selects the item under the point and arms a move inside it.
    void Press(model::CScreenModel& model, PixelPoint p);
    // No button: arms a resize over a handle or a move inside the selection.
    Cursor Hover(PixelPoint p);
    // Button down and moving; true when the band moved by a whole cell
    // since it was last painted, so the canvas repaints.
    bool Drag(PixelPoint p);
    // Button up: the gesture's outcome; the mode returns to ready.
    GestureOutcome Release(PixelPoint p);
    // Escape: drops a drag in progress (and the box tool) without an outcome.
    void Cancel();
    // Escape outside a drag: the selection goes.
    void Escape();

    // Right button down selects the item under the point, or notes the
    // suppressed item there; the release keeps the point for the add commands.
    void RightPress(model::CScreenModel& model, PixelPoint p);
    void RightRelease(PixelPoint p) { rightClick_ = p; }
    std::optional<PixelPoint> LastRightClick() const { return rightClick_; }
    // The suppressed item noted under the last right click, for unsuppressing.
    const ItemHit& SuppressedUnderRightClick() const { return suppressed_; }
    // The mark a right click on empty canvas draws: 2 pixels wide, one cell high.
    std::optional<PixelRect> InsertionMark() const;

    // "Add &Box": clears the selection and waits for the first corner.
    void ArmBoxTool();
    // Forgets the selection; on a new screen.
    void ResetSelection();
    // A command used the right-click point up.
    void ForgetRightClick() { rightClick_.reset(); }
    // The screen was rebuilt (a command, undo, redo): the selection takes
    // the new items its key names, or goes when none is shown any more.
    bool Refresh(model::CScreenModel& model);
    // Selects by key the item a canvas made for the same screen had
    // selected (the canvas is made anew after undo and redo).
    bool SelectKey(model::CScreenModel& model, SelectionKind kind, const commands::ItemKey& key);
    // Selects the item under the point without arming anything (the item
    // an arrow key moved, found again after the screen was rebuilt).
    void SelectAt(model::CScreenModel& model, PixelPoint p);
    // Selects an item found otherwise (a problem's item), without arming anything.
    void SelectItem(const ItemHit& hit);
    // A click on the screen's title bar selects its window, which the
    // handles on its right and bottom edges resize by whole cells.
    bool SelectWindow(const model::CScreenModel& model);
    int GridShift() const { return gridShift_; }

    Mode CurrentMode() const { return mode_; }
    Cursor CurrentCursor() const { return cursor_; }
    const ItemHit& Selection() const { return selection_; }
    SelectionKind SelectedKind() const { return selection_.kind; }
    // The selection's pixel rectangle and whether handles are drawn around it.
    PixelRect SelectionPixels() const { return selection_.cells.Pixels(cell_); }
    bool ShowsHandles() const;
    // Where the handles sit: the selection's edges, a box's lines.
    PixelRect HandleCorners() const;
    Handle ArmedHandle() const { return handle_; }
    // The rubber band while a drag is in progress, in pixels; a box's band
    // is drawn through the cell middles as its lines are.
    std::optional<PixelRect> RubberBand() const;
    bool BandIsBox() const;
    // The cell under the mouse while dragging, for the status bar.
    CellPoint CellAtMouse() const { return CellUnder(mouse_, cell_); }
    // Whether a move, resize, box or rubber band drag is in progress.
    bool Dragging() const {
        return mode_ == Mode::Moving || mode_ == Mode::Resizing || mode_ == Mode::BoxDrawing || mode_ == Mode::Banding;
    }
    // The cell size and data grid a move of the selection works with.
    MoveContext Context() const;
    // The key commands name the selected item by.
    const commands::ItemKey& SelectedKey() const { return key_; }

    // A released field follows the mouse (moving without a button pressed)
    // until the next left press drops it, which Release turns into its move;
    // false when the screen holds no display, entry field or option of the key.
    bool AttachToMouse(model::CScreenModel& model, const commands::ItemKey& key, PixelPoint mouse);
    bool Attached() const { return attached_ && mode_ == Mode::Moving; }

    // The arrow keys: the selection moved by whole cells as a drag would
    // move it (the same refusals), or with resize its right edge (and a
    // box's bottom edge) moved instead.
    GestureOutcome Nudge(int rows, int columns, bool resize);

    // --- Several items ---------------------------------------------------
    // The first item selected is the key item: it shows the handles, the
    // alignments line the others up on it, and a resize acts on it alone.

    // Ctrl+click: adds the item under the point, or takes a selected one out.
    void TogglePress(model::CScreenModel& model, PixelPoint p);
    // Ctrl+A: every item the screen shows, in hit order.
    void SelectAll(model::CScreenModel& model);
    // After a SelectBand outcome: the items wholly inside the band; with
    // none inside, the selection the press made stays.
    void SelectBand(model::CScreenModel& model);
    // The key item first, then the others in the order they were selected.
    std::vector<GroupMember> Members() const;
    int SelectedCount() const { return selection_ ? 1 + static_cast<int>(others_.size()) : 0; }
    // The other items' rectangles, drawn with a lighter frame.
    std::vector<PixelRect> OtherFrames() const;
    // While a group is dragged, where each movable member would go.
    std::vector<PixelRect> GroupBands() const;
    // A group action is about to move these items: once the screen is
    // rebuilt, an item whose key named its old place is found where it went.
    void ExpectMoves(const std::vector<GestureOutcome>& outcomes);

private:
    struct ExpectedMove {
        std::string keyLines;
        SelectionKind kind;
        CellRect cells;  // where it is drawn after the move
    };

    bool Movable() const;
    bool Resizable() const;
    GestureOutcome FinishMove(PixelPoint p);
    GestureOutcome FinishResize(PixelPoint p);
    GestureOutcome FinishBox(PixelPoint p) const;
    void Select(const ItemHit& hit);
    bool IsMember(const ItemHit& hit) const;
    // The item found again in a rebuilt screen, by its key or where it was moved.
    GroupMember FoundAgain(model::CScreenModel& model, const GroupMember& member);
    GestureOutcome FinishWindowResize(const CellSpan& span) const;
    GestureOutcome FinishGroupMove(PixelPoint p);
    const PixelRect* GridWindow() const { return gridWindow_ ? &*gridWindow_ : nullptr; }

    CellSize cell_;
    std::optional<PixelRect> gridWindow_;
    int gridShift_ = 0;
    Mode mode_ = Mode::Ready;
    Cursor cursor_ = Cursor::Arrow;
    ItemHit selection_;
    commands::ItemKey key_;
    Handle handle_ = Handle::None;
    PixelPoint press_;
    PixelPoint mouse_;
    PixelRect band_;
    PixelRect painted_;  // the band as last painted
    std::optional<PixelPoint> rightClick_;
    ItemHit suppressed_;
    bool rightClickOnEmpty_ = false;
    bool attached_ = false;
    std::vector<GroupMember> others_;
    bool groupDrag_ = false;
    CellRect dragItem_;  // the member a group drag was started on
    ItemHit pressed_;    // and that member itself
    std::vector<ExpectedMove> expected_;
};

}  // namespace canvas::interaction
