// The canvas's mouse editing against a small screen: hit order, handles,
// rounding, the box tool and what each gesture asks for.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tessellar/canvas/interaction/canvas_interaction.h"
#include "tessellar/canvas/interaction/group_actions.h"
#include "tessellar/commands/command_catalogue.h"
#include "tessellar/commands/command_texts.h"

namespace canvas::interaction {
namespace {

constexpr CellSize kCell{8, 16};

// Pixel point of a cell's top left, plus an offset.
PixelPoint At(int row, int column, int dx = 0, int dy = 0) {
    return {column * kCell.width + dx, row * kCell.height + dy};
}

// Display "Name:" at 2,5 (4 wide) over entry field CUST-NAME at 2,5 (6
// wide), a narrow field at 8,0, an option at 4,0, a mode at 10,0, and a box
// from 1,1 to 6,30 around them.
class CanvasGestures : public ::testing::Test {
protected:
    CanvasGestures() : model("CUSTOMER", 3, nullptr, 0, 0, model::ModelKind::Screen) {
        model.SetOrigin({3, 10});
        display = &Display(2, 5, 4, "Name:");
        accept = &Accept(2, 5, 6, "CUST-NAME");
        narrow = &Accept(8, 0, 2, "CUST-FLAG");
        model::COptionItem& option = model.AddOption();
        option.SetName("OPT-1");
        option.identification = model::IdentificationKind::Name;
        option.position.SetBoth({4, 0});
        option.width = 5;
        model::CModeItem& mode = model.AddMode();
        mode.position = {10, 0};
        mode.width = 6;
        box = &model.AddBox();
        box->compiled = {1, 1, 30, 6};
        box->corners.SetBoth({1, 1, 30, 6});
    }

    model::CDispText& Display(int row, int column, int width, const char* text) {
        model::CDispText& item = model.AddDisplay();
        item.identification = model::IdentificationKind::OriginalText;
        item.text.SetBoth(text);
        item.position.SetBoth({row, column});
        item.width.SetBoth(width);
        return item;
    }
    model::CAcceptFld& Accept(int row, int column, int width, const char* name) {
        model::CAcceptFld& item = model.AddAccept();
        item.identification = model::IdentificationKind::Name;
        item.SetName(name);
        item.position.SetBoth({row, column});
        item.width.SetBoth(width);
        item.picture.SetBoth("x(" + std::to_string(width) + ")");
        return item;
    }

    // Press at `from`, drag through `path`, release at the last point.
    GestureOutcome Gesture(PixelPoint from, std::vector<PixelPoint> path) {
        canvas.Hover(from);
        canvas.Press(model, from);
        for (PixelPoint p : path) canvas.Drag(p);
        return canvas.Release(path.empty() ? from : path.back());
    }

    model::CScreenModel model;
    model::CDispText* display = nullptr;
    model::CAcceptFld* accept = nullptr;
    model::CAcceptFld* narrow = nullptr;
    model::CBoxItem* box = nullptr;
    CanvasInteraction canvas{kCell};
};

TEST_F(CanvasGestures, HitOrderOverOverlappingItems) {
    struct Case {
        const char* what;
        PixelPoint point;
        SelectionKind kind;
    };
    const Case cases[] = {
        {"a display wins over the entry field under it", At(2, 5), SelectionKind::Display},
        {"past the display's four cells the entry field", At(2, 9), SelectionKind::Accept},
        {"past the entry field's last cell the box", At(2, 11), SelectionKind::Box},
        {"an option inside the box", At(4, 4, 7, 15), SelectionKind::Option},
        {"a narrow entry field counts one cell wider", At(8, 2), SelectionKind::Accept},
        {"but not two", At(8, 3), SelectionKind::None},
        {"a mode outside the box", At(10, 5), SelectionKind::Mode},
        {"nothing beyond everything", At(12, 40), SelectionKind::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HitTest(model, c.point, kCell).kind, c.kind) << c.what;
    }
    display->suppressed.SetCurrent(true);
    EXPECT_EQ(HitTest(model, At(2, 5), kCell).kind, SelectionKind::Accept) << "suppressed items are skipped";
    EXPECT_EQ(SuppressedAt(model, At(2, 5), kCell).display, display);
    display->suppressed.SetCurrent(false);
    model::CDispText& twin = Display(2, 7, 4, "Other");
    const ItemHit hit = HitTest(model, At(2, 7), kCell);
    EXPECT_EQ(hit.display, display) << "list order within a kind";
    EXPECT_TRUE(hit.overlapping);
    EXPECT_EQ(HitTest(model, At(2, 9), kCell).display, &twin);
    EXPECT_FALSE(HitTest(model, At(2, 5), kCell).overlapping);
}

TEST(CanvasHandles, NumberingPositionsAndCursors) {
    // A field over cells 5..8 of row 2, and a box with its lines from 2,1 to 6,3.
    const PixelRect field = CellRect{5, 2, 9, 3}.Pixels(kCell);
    const PixelRect boxLines = HandleFrame(PixelRect{16, 16, 56, 64}, kCell, true);
    EXPECT_EQ(boxLines, (PixelRect{20, 24, 52, 56})) << "a box's corners lie half a cell inside";
    struct Case {
        Handle handle;
        PixelPoint fieldCentre;
        PixelPoint boxCentre;
        Cursor cursor;
    };
    const Case cases[] = {
        {Handle::TopMiddle, {56, 32}, {36, 24}, Cursor::NorthSouth},
        {Handle::RightMiddle, {72, 40}, {52, 40}, Cursor::WestEast},
        {Handle::BottomMiddle, {56, 48}, {36, 56}, Cursor::NorthSouth},
        {Handle::LeftMiddle, {40, 40}, {20, 40}, Cursor::WestEast},
        {Handle::TopLeft, {40, 32}, {20, 24}, Cursor::NorthWestSouthEast},
        {Handle::TopRight, {72, 32}, {52, 24}, Cursor::NorthEastSouthWest},
        {Handle::BottomRight, {72, 48}, {52, 56}, Cursor::NorthWestSouthEast},
        {Handle::BottomLeft, {40, 48}, {20, 56}, Cursor::NorthEastSouthWest},
    };
    for (const Case& c : cases) {
        const int n = static_cast<int>(c.handle);
        const PixelRect square = HandleSquare(field, c.handle);
        EXPECT_EQ(square.right - square.left, kHandleSize) << n;
        EXPECT_EQ(square.bottom - square.top, kHandleSize) << n;
        EXPECT_EQ(HandleAt(field, c.fieldCentre), c.handle) << n;
        EXPECT_EQ(HandleAt(field, {c.fieldCentre.x + 3, c.fieldCentre.y - 3}), c.handle) << n << " square's corner";
        EXPECT_EQ(HandleAt(boxLines, c.boxCentre), c.handle) << n << " on a box";
        EXPECT_EQ(HandleCursor(c.handle), c.cursor) << n;
    }
    EXPECT_EQ(HandleAt(field, {56 + 4, 32}), Handle::None) << "four pixels off is outside the square";
    EXPECT_EQ(HandleAt(field, {56, 40}), Handle::None) << "the field's middle";
}

TEST(CanvasCells, RoundsHalfUp) {
    struct Case {
        int numerator, denominator, expected;
    };
    const Case cases[] = {{0, 8, 0},  {3, 8, 0},  {4, 8, 1},   {11, 8, 1}, {12, 8, 2},
                          {-4, 8, 0}, {-5, 8, -1}, {-12, 8, -1}, {7, 0, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(RoundHalfUp(c.numerator, c.denominator), c.expected) << c.numerator << "/" << c.denominator;
    }
    EXPECT_EQ(CellUnder({15, 31}, kCell), (CellPoint{1, 1}));
    EXPECT_EQ(ToCells({12, 8, 44, 24}, kCell), (CellSpan{1, 2, 1, 4}));
}

TEST_F(CanvasGestures, MovesRoundHalfACellUpAndNotBelow) {
    struct Case {
        const char* what;
        int dx, dy;
        OutcomeKind kind;
        model::CellPosition at;
    };
    const Case cases[] = {
        {"half a cell right moves one column", 4, 0, OutcomeKind::MoveItem, {2, 6}},
        {"just under half a cell stays", 3, 7, OutcomeKind::Nothing, {}},
        {"half a cell down moves one row", 0, 8, OutcomeKind::MoveItem, {3, 5}},
        {"half a cell left moves nothing", -4, 0, OutcomeKind::Nothing, {}},
        {"past half a cell left moves one column", -5, 0, OutcomeKind::MoveItem, {2, 4}},
        {"beyond the origin stops at it", -200, -200, OutcomeKind::MoveItem, {0, 0}},
    };
    for (const Case& c : cases) {
        canvas.ResetSelection();
        const GestureOutcome outcome = Gesture(At(2, 6, 1, 1), {At(2, 6, 1 + c.dx, 1 + c.dy)});
        EXPECT_EQ(outcome.kind, c.kind) << c.what;
        if (c.kind != OutcomeKind::MoveItem) continue;
        EXPECT_STREQ(outcome.command, commands::texts::kMoveDisplay) << c.what;
        EXPECT_EQ(outcome.at, c.at) << c.what;
    }
}

TEST_F(CanvasGestures, ADragThatReturnsToItsStartAsksForNothing) {
    EXPECT_EQ(Gesture(At(2, 6), {At(5, 12), At(7, 1), At(2, 6)}).kind, OutcomeKind::Nothing);
    EXPECT_EQ(canvas.CurrentMode(), Mode::Ready);
    // The same on the right handle of the entry field.
    canvas.Press(model, At(2, 10));
    const PixelPoint handle = At(2, 11, 0, 8);  // the right middle
    EXPECT_EQ(canvas.Hover(handle), Cursor::WestEast);
    EXPECT_EQ(Gesture(handle, {At(2, 20, 0, 8), handle}).kind, OutcomeKind::Nothing);
    // A press and release without a drag.
    EXPECT_EQ(Gesture(At(2, 6), {}).kind, OutcomeKind::Nothing);
}

TEST_F(CanvasGestures, HandlesResizeFieldsAndBoxes) {
    canvas.Press(model, At(2, 10));
    ASSERT_EQ(canvas.SelectedKind(), SelectionKind::Accept);
    GestureOutcome outcome = Gesture(At(2, 11, 0, 8), {At(2, 13, 0, 8)});
    EXPECT_EQ(outcome.kind, OutcomeKind::ResizeField);
    EXPECT_STREQ(outcome.command, commands::texts::kResizeAccept);
    EXPECT_EQ(outcome.width, 8);
    EXPECT_EQ(outcome.at, (model::CellPosition{2, 5}));

    // A narrow field's extra cell is not part of its width.
    canvas.Press(model, At(8, 0));
    outcome = Gesture(At(8, 3, 0, 8), {At(8, 5, 0, 8)});
    EXPECT_EQ(outcome.kind, OutcomeKind::ResizeField);
    EXPECT_EQ(outcome.width, 4);

    // The box's bottom-right corner, on its lines, drags the bottom and right.
    canvas.Press(model, At(5, 20));
    ASSERT_EQ(canvas.SelectedKind(), SelectionKind::Box);
    EXPECT_EQ(canvas.Hover(At(5, 20)), Cursor::Arrow) << "a box's inside is not a move area";
    const PixelPoint corner{30 * 8 + 4, 6 * 16 + 8};
    EXPECT_EQ(canvas.Hover(corner), Cursor::NorthWestSouthEast);
    outcome = Gesture(corner, {{corner.x + 16, corner.y + 32}});
    EXPECT_EQ(outcome.kind, OutcomeKind::MoveBox);
    EXPECT_STREQ(outcome.command, commands::texts::kMovingOrResizingBox);
    EXPECT_EQ(outcome.corners, (model::BoxCorners{1, 1, 32, 8}));
}

TEST_F(CanvasGestures, TheWindowResizesByItsRightAndBottomHandlesOnly) {
    model.CreateFrame().Place(0, 0, 59, 19);  // 60 columns, 20 rows
    ASSERT_TRUE(canvas.SelectWindow(model));
    EXPECT_TRUE(canvas.ShowsHandles());
    const PixelRect frame = canvas.HandleCorners();
    EXPECT_LE(frame.right + kHandleSize / 2, 60 * kCell.width) << "the handles stay inside the canvas";

    struct Case {
        const char* what;
        Handle handle;
        PixelPoint by;
        int width;  // no resize when 0
        int height;
    };
    const Case cases[] = {
        {"the right edge widens", Handle::RightMiddle, {3 * kCell.width, kCell.height}, 63, 20},
        {"the bottom edge heightens", Handle::BottomMiddle, {kCell.width, 2 * kCell.height}, 60, 22},
        {"the corner does both", Handle::BottomRight, {-10 * kCell.width, -5 * kCell.height}, 50, 15},
        {"less than half a cell is no change", Handle::RightMiddle, {kCell.width / 2 - 1, 0}, 0, 0},
        {"no window of no cells", Handle::BottomRight, {-60 * kCell.width, 0}, 0, 0},
        {"the left edge has no handle", Handle::LeftMiddle, {-kCell.width, 0}, 0, 0},
        {"nor the top", Handle::TopMiddle, {0, -kCell.height}, 0, 0},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(canvas.SelectWindow(model));
        const PixelRect square = HandleSquare(frame, c.handle);
        const PixelPoint from{square.left + 3, square.top + 3};
        const GestureOutcome outcome = Gesture(from, {{from.x + c.by.x, from.y + c.by.y}});
        EXPECT_EQ(outcome.kind == OutcomeKind::ResizeWindow, c.width > 0) << c.what;
        if (outcome.kind != OutcomeKind::ResizeWindow) continue;
        EXPECT_EQ(outcome.width, c.width) << c.what;
        EXPECT_EQ(outcome.height, c.height) << c.what;
        const auto values = CommandValues(outcome, model);
        ASSERT_EQ(values.size(), 1u);
        EXPECT_EQ(values[0].text, std::to_string(c.width) + "," + std::to_string(c.height));
        EXPECT_TRUE(commands::MakeCommand(model, outcome.command, outcome.key, values).command) << c.what;
    }

    // Shift and an arrow key resize it by one cell; the plain arrows do nothing.
    ASSERT_TRUE(canvas.SelectWindow(model));
    EXPECT_EQ(canvas.Nudge(1, 0, true).height, 21);
    EXPECT_EQ(canvas.Nudge(0, -1, true).width, 59);
    EXPECT_EQ(canvas.Nudge(0, 1, false).kind, OutcomeKind::Nothing);

    // After the rebuild the window is still selected, at its new size; a
    // refresh while dragging (the window polls its commands) keeps the drag.
    model.Frame()->Resize(20, 70);
    EXPECT_TRUE(canvas.Refresh(model));
    EXPECT_EQ(canvas.Selection().cells, (CellRect{0, 0, 70, 20}));
    const PixelRect square = HandleSquare(canvas.HandleCorners(), Handle::RightMiddle);
    const PixelPoint from{square.left + 3, square.top + 3};
    canvas.Hover(from);
    canvas.Press(model, from);
    canvas.Drag({from.x + 2 * kCell.width, from.y});
    EXPECT_TRUE(canvas.Refresh(model));
    EXPECT_EQ(canvas.Release({from.x + 2 * kCell.width, from.y}).width, 72);
}

TEST_F(CanvasGestures, BoxToolBothWaysAndWithinOneRow) {
    struct Case {
        const char* what;
        PixelPoint from, to;
        OutcomeKind kind;
        model::BoxCorners corners;
    };
    const Case cases[] = {
        {"top left to bottom right", At(12, 3, 5, 9), At(15, 20, 1, 2), OutcomeKind::AddBox, {3, 12, 20, 15}},
        {"bottom right to top left", At(15, 20, 1, 2), At(12, 3, 5, 9), OutcomeKind::AddBox, {3, 12, 20, 15}},
        {"bottom left to top right", At(15, 3), At(12, 20, 7, 15), OutcomeKind::AddBox, {3, 12, 20, 15}},
        {"within one row", At(12, 3, 0, 0), At(12, 20, 7, 15), OutcomeKind::Nothing, {}},
        {"within one column", At(12, 3), At(15, 3, 7), OutcomeKind::Nothing, {}},
        {"no drag at all", At(12, 3), At(12, 3), OutcomeKind::Nothing, {}},
    };
    for (const Case& c : cases) {
        canvas.Press(model, At(2, 6));
        canvas.ArmBoxTool();
        EXPECT_EQ(canvas.SelectedKind(), SelectionKind::None) << c.what;
        EXPECT_EQ(canvas.Hover(c.from), Cursor::Cross) << c.what;
        canvas.Press(model, c.from);
        EXPECT_EQ(canvas.CurrentMode(), Mode::BoxDrawing) << c.what;
        canvas.Drag(c.to);
        const GestureOutcome outcome = canvas.Release(c.to);
        EXPECT_EQ(outcome.kind, c.kind) << c.what;
        if (c.kind == OutcomeKind::AddBox) {
            EXPECT_STREQ(outcome.command, commands::texts::kAddBox);
            EXPECT_EQ(outcome.corners, c.corners) << c.what;
        }
        EXPECT_EQ(canvas.CurrentMode(), Mode::Ready) << "the tool ends after the release: " << c.what;
    }
}

TEST_F(CanvasGestures, BoxMovedOntoTheDataGridIsRefused) {
    canvas.SetDataGridWindow(PixelRect{0, 20 * 16, 800, 30 * 16});
    // Dragged by its bottom line: a drag from its inside draws a rubber band.
    const GestureOutcome near = Gesture(At(6, 20), {At(13, 20)});
    EXPECT_EQ(near.kind, OutcomeKind::MoveBox) << "bottom line at row 13 stays above the grid";
    const GestureOutcome onto = Gesture(At(6, 20), {At(20, 20)});
    EXPECT_EQ(onto.kind, OutcomeKind::BoxOnDataGrid) << "the box's bottom line reaches the grid";
    EXPECT_STREQ(onto.refusal, "A box can not be moved onto the data grid area.");
    EXPECT_FALSE(onto.AsksForCommand());
}

TEST_F(CanvasGestures, RepaintsOnlyWhenTheBandMovedAWholeCell) {
    canvas.Press(model, At(2, 6));
    EXPECT_FALSE(canvas.Drag(At(2, 6, 7, 15)));
    EXPECT_TRUE(canvas.Drag(At(2, 6, 8, 0)));
    ASSERT_TRUE(canvas.RubberBand());
    EXPECT_EQ(*canvas.RubberBand(), (PixelRect{48, 32, 80, 48}));
    EXPECT_FALSE(canvas.Drag(At(2, 6, 15, 0))) << "measured from the band last painted";
    EXPECT_TRUE(canvas.Drag(At(2, 6, 8, 16)));
    canvas.Cancel();
    EXPECT_FALSE(canvas.RubberBand()) << "Escape drops the drag";
}

TEST_F(CanvasGestures, RightClickSelectsOrNotesTheSuppressedItem) {
    canvas.RightPress(model, At(2, 10));
    canvas.RightRelease(At(2, 10));
    EXPECT_EQ(canvas.SelectedKind(), SelectionKind::Accept);
    EXPECT_FALSE(canvas.InsertionMark()) << "no mark over an item";
    accept->suppressed.SetCurrent(true);
    canvas.RightPress(model, At(2, 10));
    canvas.RightRelease(At(2, 10, 3, 5));
    EXPECT_EQ(canvas.SuppressedUnderRightClick().accept, accept);
    EXPECT_EQ(canvas.SelectedKind(), SelectionKind::Box) << "the box around the hidden field is selected";
    canvas.RightPress(model, At(20, 40, 3, 5));
    canvas.RightRelease(At(20, 40, 3, 5));
    EXPECT_EQ(canvas.LastRightClick(), At(20, 40, 3, 5));
    EXPECT_EQ(canvas.InsertionMark(), (PixelRect{323, 325, 325, 341}));
    canvas.ResetSelection();
    EXPECT_FALSE(canvas.LastRightClick()) << "a command's selection reset forgets the point";
}

TEST_F(CanvasGestures, OutcomesMakeTheirCatalogueCommands) {
    model.CreateFrame();
    std::vector<GestureOutcome> outcomes;
    outcomes.push_back(Gesture(At(2, 10), {At(3, 12)}));               // move the entry field
    outcomes.push_back(Gesture(At(2, 6), {At(2, 8)}));                 // move the display
    canvas.ArmBoxTool();
    outcomes.push_back(Gesture(At(12, 3), {At(15, 20)}));              // add a box
    ASSERT_EQ(outcomes[0].kind, OutcomeKind::MoveItem);
    const auto values = CommandValues(outcomes[0], model);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].text, "6,17") << "statement coordinates count from the origin 3,10";
    for (const GestureOutcome& outcome : outcomes) {
        ASSERT_TRUE(outcome.AsksForCommand());
        const commands::MadeCommand made =
            commands::MakeCommand(model, outcome.command, outcome.key, CommandValues(outcome, model));
        EXPECT_TRUE(made.command) << outcome.command << ": " << made.error;
    }
}

// --- Several items --------------------------------------------------------

TEST_F(CanvasGestures, CtrlClickAddsAndTakesOutKeepingTheFirstAsKey) {
    canvas.TogglePress(model, At(2, 5));   // the display
    canvas.TogglePress(model, At(4, 0));   // the option
    canvas.TogglePress(model, At(10, 0));  // the mode
    canvas.TogglePress(model, At(12, 40)); // nothing there: no change
    EXPECT_EQ(canvas.SelectedCount(), 3);
    EXPECT_EQ(canvas.SelectedKind(), SelectionKind::Display) << "the first item selected is the key";
    EXPECT_EQ(canvas.OtherFrames().size(), 2u);
    canvas.TogglePress(model, At(2, 5));
    EXPECT_EQ(canvas.SelectedCount(), 2);
    EXPECT_EQ(canvas.SelectedKind(), SelectionKind::Option) << "the next one selected takes the key's part";
    canvas.TogglePress(model, At(10, 0));
    EXPECT_EQ(canvas.SelectedCount(), 1);
    canvas.Escape();
    EXPECT_EQ(canvas.SelectedCount(), 0) << "Escape outside a drag clears";
}

TEST_F(CanvasGestures, RubberBandSelectsWhatItWhollyEncloses) {
    struct Case {
        const char* what;
        PixelPoint from;
        PixelPoint to;
        int count;
        SelectionKind key;
    };
    const Case cases[] = {
        {"from empty canvas, the narrow field and the mode", At(7, 0), At(11, 10), 2, SelectionKind::Accept},
        {"drawn the other way round, the same", At(11, 10), At(7, 0), 2, SelectionKind::Accept},
        {"from inside the box, away from its lines", At(2, 2), At(3, 12), 2, SelectionKind::Display},
        {"a band enclosing nothing keeps the press's box", At(3, 2), At(4, 3), 1, SelectionKind::Box},
        {"only partly enclosed is not selected", At(7, 0), At(9, 2), 0, SelectionKind::None},
    };
    for (const Case& c : cases) {
        canvas.ResetSelection();
        const GestureOutcome outcome = Gesture(c.from, {c.to});
        ASSERT_EQ(outcome.kind, OutcomeKind::SelectBand) << c.what;
        canvas.SelectBand(model);
        EXPECT_EQ(canvas.SelectedCount(), c.count) << c.what;
        EXPECT_EQ(canvas.SelectedKind(), c.key) << c.what;
    }
    // A press on the box's line still arms its move, not a band.
    EXPECT_EQ(Gesture(At(6, 20), {At(7, 20)}).kind, OutcomeKind::MoveBox);
}

TEST_F(CanvasGestures, DraggingAnyMemberMovesTheGroupAndLeavesOutWhatCannotMove) {
    canvas.TogglePress(model, At(2, 5));
    canvas.TogglePress(model, At(4, 0));
    canvas.TogglePress(model, At(10, 0));
    // Dragged by the option, not the key item, by a cell and a half right.
    const GestureOutcome outcome = Gesture(At(4, 1), {At(5, 2, 4, 0)});
    ASSERT_EQ(outcome.kind, OutcomeKind::MoveGroup);
    EXPECT_EQ(outcome.by, (model::CellPosition{1, 2}));
    EXPECT_EQ(canvas.SelectedCount(), 3) << "the group stays selected";

    const GroupPlan plan = PlanGroupMove(canvas.Members(), outcome.by.row, outcome.by.column, {kCell});
    EXPECT_EQ(plan.leftOut, 1) << "the mode button cannot move";
    const std::vector<ItemCommand> made = CommandsOf(plan, model);
    ASSERT_EQ(made.size(), 2u);
    // Front first: the display lies further along the move than the option.
    EXPECT_EQ(made[0].name, commands::texts::kMoveDisplay);
    EXPECT_EQ(made[0].values[0].text, "6,17");
    EXPECT_EQ(made[1].name, commands::texts::kMoveMenu);
    EXPECT_EQ(made[1].values[0].text, "8,12") << "5,2 from the origin 3,10";
    const GroupBatch batch = MakeGroupBatch(model, made);
    EXPECT_FALSE(batch.refusal);
    EXPECT_EQ(batch.batch.Commands().size(), 2u);

    EXPECT_TRUE(PlanGroupMove(canvas.Members(), 0, -1, {kCell}).outcomes.empty())
        << "the option at column 0 stops the whole group at the origin";
    EXPECT_EQ(canvas.Nudge(0, 1, false).kind, OutcomeKind::MoveGroup) << "arrow keys move the group";
    EXPECT_FALSE(canvas.Nudge(0, 1, true).AsksForCommand()) << "a resize is for one item";
}

// The program's own box takes what lies inside it along on its own move:
// in a group the items inside would otherwise move twice.
TEST_F(CanvasGestures, AProgramBoxInAGroupMovesItsContentsOnce) {
    canvas.TogglePress(model, At(2, 5));   // "Name:", inside the box
    canvas.TogglePress(model, At(6, 20));  // the box, by its bottom line
    ASSERT_EQ(canvas.SelectedCount(), 2);
    const GroupPlan plan = PlanGroupMove(canvas.Members(), 1, 0, {kCell});
    ASSERT_EQ(plan.outcomes.size(), 1u);
    EXPECT_EQ(plan.outcomes[0].kind, OutcomeKind::MoveBox);
}

TEST_F(CanvasGestures, AlignmentsLineUpOnTheKeyItem) {
    // The key: the display at 2,5 (4 wide); then the option at 4,0 (5 wide)
    // and the narrow field at 8,0 (2 wide, hit 3 wide), and the mode.
    canvas.TogglePress(model, At(2, 5));
    canvas.TogglePress(model, At(4, 0));
    canvas.TogglePress(model, At(8, 0));
    canvas.TogglePress(model, At(10, 0));
    struct Case {
        const char* what;
        Alignment alignment;
        std::vector<std::string> commands;  // name and first value, in order
        int leftOut;
    };
    const Case cases[] = {
        {"left edges on column 5", Alignment::Left, {"Move menu 7,15", "Move accept 11,15"}, 1},
        {"right edges on column 9", Alignment::Right, {"Move menu 7,14", "Move accept 11,16"}, 1},
        {"tops on row 2", Alignment::Top, {"Move menu 5,10", "Move accept 5,10"}, 1},
        {"bottoms on row 2", Alignment::Bottom, {"Move menu 5,10", "Move accept 5,10"}, 1},
        {"the field's width, not the option's", Alignment::SameWidth, {"Resize accept 4"}, 2},
        {"the middle one halfway", Alignment::SpaceEvenlyDown, {"Move menu 8,10"}, 1},
    };
    for (const Case& c : cases) {
        const GroupPlan plan = PlanAlignment(c.alignment, canvas.Members(), {kCell});
        std::vector<std::string> got;
        for (const ItemCommand& made : CommandsOf(plan, model)) got.push_back(made.name + " " + made.values[0].text);
        EXPECT_EQ(got, c.commands) << c.what;
        EXPECT_EQ(plan.leftOut, c.leftOut) << c.what;
    }
    canvas.ResetSelection();
    canvas.TogglePress(model, At(2, 5));
    canvas.TogglePress(model, At(2, 10));  // the entry field, already level with the display
    EXPECT_TRUE(PlanAlignment(Alignment::Top, canvas.Members(), {kCell}).outcomes.empty())
        << "nothing to change: the action is disabled";
}

TEST_F(CanvasGestures, ARefusedItemRefusesTheWholeGroup) {
    canvas.TogglePress(model, At(2, 5));
    canvas.TogglePress(model, At(8, 0));
    accept->picture.SetCurrent("9(6)");
    narrow->picture.SetCurrent("9(2)");  // not alphanumeric: its width cannot change
    const GroupPlan plan = PlanAlignment(Alignment::SameWidth, canvas.Members(), {kCell});
    GroupBatch batch = MakeGroupBatch(model, CommandsOf(plan, model));
    ASSERT_FALSE(batch.refusal);
    ASSERT_EQ(batch.batch.Commands().size(), 1u);
    EXPECT_TRUE(batch.batch.Commands()[0]->Check(model)) << "the document runs none of a batch with a refusal";
    // A command that cannot even be made leaves an empty batch and the reason.
    batch = MakeGroupBatch(model, {{commands::texts::kMoveMenu, commands::KeyOf(*display), {{"x"}}}});
    EXPECT_TRUE(batch.refusal);
    EXPECT_TRUE(batch.batch.Empty());

    int leftOut = -1;
    const std::vector<ItemCommand> hide = SuppressCommands(canvas.Members(), leftOut);
    ASSERT_EQ(hide.size(), 2u);
    EXPECT_EQ(hide[0].name, commands::texts::kSuppressDisplay);
    EXPECT_EQ(hide[1].name, commands::texts::kSuppressAccept);
    EXPECT_EQ(leftOut, 0);
}

}  // namespace
}  // namespace canvas::interaction
