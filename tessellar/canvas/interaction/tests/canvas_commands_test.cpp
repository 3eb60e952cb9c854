// The canvas's keyboard moves, add positions, enabled commands and the
// rename editor's place, against a small screen.

#include <gtest/gtest.h>

#include <string>

#include "tessellar/canvas/interaction/add_placement.h"
#include "tessellar/canvas/interaction/canvas_commands.h"
#include "tessellar/commands/command_texts.h"

namespace canvas::interaction {
namespace {

constexpr CellSize kCell{8, 16};

PixelPoint Centre(int row, int column) {
    return {column * kCell.width + kCell.width / 2, row * kCell.height + kCell.height / 2};
}

// Origin 3,10. Display "Name:" at 2,5, entry field CODE (numeric) at 2,12,
// option at 4,0, a box 12,1 to 14,30, and a review area on rows 6 to 8,
// columns 2 to 40, with an entry field on its first row.
class CanvasCommands : public ::testing::Test {
protected:
    CanvasCommands() : model("ORDERS", 3, nullptr, 0, 0, model::ModelKind::Screen) {
        model.SetOrigin({3, 10});
        model::CDispText& display = model.AddDisplay();
        display.identification = model::IdentificationKind::OriginalText;
        display.text.SetBoth("Name:");
        display.position.SetBoth({2, 5});
        display.width.SetBoth(5);
        Accept(2, 12, "CODE", "9(4)");
        Accept(6, 2, "LINE", "x(10)").inReviewArea = true;
        model::COptionItem& option = model.AddOption();
        option.SetName("OPT-1");
        option.identification = model::IdentificationKind::Name;
        option.position.SetBoth({4, 0});
        option.width = 5;
        model::CBoxItem& box = model.AddBox();
        box.compiled = {1, 12, 30, 14};
        box.corners.SetBoth({1, 12, 30, 14});
        model.SetReviewWord(model::CReviewArea::kReviewScreenFlag);
        model::CReviewArea& area = model.CreateReviewArea();
        area.firstRow = 6;
        area.repeatCount = 3;
        area.leftColumn = 2;
        area.rightColumn = 40;
    }

    model::CAcceptFld& Accept(int row, int column, const char* name, const char* picture) {
        model::CAcceptFld& item = model.AddAccept();
        item.identification = model::IdentificationKind::Name;
        item.SetName(name);
        item.position.SetBoth({row, column});
        item.width.SetBoth(4);
        item.picture.SetBoth(picture);
        return item;
    }

    model::CScreenModel model;
    CanvasInteraction interaction{kCell};
};

TEST_F(CanvasCommands, ArrowKeysMoveAndResizeByOneCell) {
    struct Case {
        PixelPoint select;
        int rows, columns;
        bool resize;
        OutcomeKind kind;
        const char* command;
        std::string firstValue;  // as MakeCommand takes it, statement coordinates
    };
    const Case cases[] = {
        {Centre(2, 6), 0, 1, false, OutcomeKind::MoveItem, commands::texts::kMoveDisplay, "5,16"},
        {Centre(2, 6), -1, 0, false, OutcomeKind::MoveItem, commands::texts::kMoveDisplay, "4,15"},
        {Centre(2, 6), 0, 1, true, OutcomeKind::ResizeField, commands::texts::kResizeDisplay, "6"},
        {Centre(2, 6), 0, -1, true, OutcomeKind::ResizeField, commands::texts::kResizeDisplay, "4"},
        {Centre(2, 6), 1, 0, true, OutcomeKind::Nothing, nullptr, ""},  // a field is one row high
        {Centre(4, 1), 1, 0, false, OutcomeKind::MoveItem, commands::texts::kMoveMenu, "8,10"},
        {Centre(4, 1), 0, 1, true, OutcomeKind::Nothing, nullptr, ""},  // options keep their width
        {Centre(6, 3), 0, 1, false, OutcomeKind::MoveItem, commands::texts::kMoveAccept, "9,13"},
        {Centre(13, 12), 1, 0, true, OutcomeKind::MoveBox, commands::texts::kMovingOrResizingBox, "15,11"},
        {Centre(20, 60), 0, 1, false, OutcomeKind::Nothing, nullptr, ""},  // nothing selected
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.select.x << "," << c.select.y << " by " << c.rows << "," << c.columns
                                        << (c.resize ? " resize" : " move"));
        interaction.SelectAt(model, c.select);
        const GestureOutcome outcome = interaction.Nudge(c.rows, c.columns, c.resize);
        EXPECT_EQ(outcome.kind, c.kind);
        EXPECT_STREQ(outcome.command, c.command);
        if (c.command == nullptr) continue;
        const auto values = CommandValues(outcome, model);
        ASSERT_FALSE(values.empty());
        EXPECT_EQ(values[0].text, c.firstValue);
    }
    // The box grew by one row at the bottom.
    interaction.SelectAt(model, Centre(13, 12));
    const GestureOutcome grown = interaction.Nudge(1, 0, true);
    EXPECT_EQ(CommandValues(grown, model)[1].text, "18,40");
}

TEST_F(CanvasCommands, ASelectionFollowsItsItemThroughARebuild) {
    interaction.SelectAt(model, Centre(2, 6));
    ASSERT_EQ(interaction.SelectedKind(), SelectionKind::Display);
    // The screen decoded again, as after undo: other items first, "Name:" moved.
    model.DestroyItems();
    model::CDispText& other = model.AddDisplay();
    other.identification = model::IdentificationKind::OriginalText;
    other.text.SetBoth("Code:");
    other.width.SetBoth(5);
    model::CDispText& name = model.AddDisplay();
    name.identification = model::IdentificationKind::OriginalText;
    name.text.SetBoth("Name:");
    name.position.SetBoth({9, 1});
    name.width.SetBoth(5);
    EXPECT_TRUE(interaction.Refresh(model));
    EXPECT_EQ(interaction.Selection().display, &name);
    EXPECT_EQ(interaction.Selection().cells, (CellRect{1, 9, 6, 10}));

    model.DestroyItems();  // gone altogether: the selection goes too
    EXPECT_FALSE(interaction.Refresh(model));
    EXPECT_EQ(interaction.SelectedKind(), SelectionKind::None);
}

TEST_F(CanvasCommands, KeysDoNothingWhileADragIsInProgress) {
    interaction.Press(model, Centre(2, 6));
    interaction.Drag(Centre(3, 9));
    EXPECT_EQ(interaction.Nudge(0, 1, false).kind, OutcomeKind::Nothing);
}

TEST_F(CanvasCommands, AddPositionsAndRefusals) {
    struct Case {
        AddKind kind;
        PixelPoint point;
        const char* refusal;
        model::CellPosition at;  // statement coordinates
    };
    const Case cases[] = {
        {AddKind::Prompt, Centre(1, 40), nullptr, {4, 50}},
        {AddKind::Prompt, Centre(2, 6), commands::texts::kCouldNotAddPrompt, {}},   // on a prompt
        {AddKind::Prompt, Centre(7, 20), commands::texts::kCouldNotAddPrompt, {}},  // in the review area
        {AddKind::Field, Centre(1, 40), nullptr, {4, 50}},
        {AddKind::Field, Centre(2, 13), commands::texts::kCouldNotAddField, {}},
        {AddKind::Field, Centre(7, 20), nullptr, {9, 30}},  // lands on the first data row
        {AddKind::Field, Centre(8, 20), commands::texts::kCouldNotAddField, {}},  // the last row takes none
        {AddKind::TriggerDisplay, Centre(2, 13), commands::texts::kCouldNotAddTriggerDisplay, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.kind) << " at " << c.point.x << "," << c.point.y);
        const AddPlacement placement = PlaceAdd(model, c.kind, c.point, kCell);
        if (c.refusal != nullptr) {
            ASSERT_TRUE(placement.refusal.has_value());
            EXPECT_EQ(*placement.refusal, c.refusal);
            continue;
        }
        EXPECT_FALSE(placement.refusal.has_value());
        EXPECT_EQ(placement.at.row, c.at.row);
        EXPECT_EQ(placement.at.column, c.at.column);
        EXPECT_FALSE(placement.intoDataGrid);
    }
}

TEST_F(CanvasCommands, AFieldDroppedOnADataGridTakesItsScroll) {
    model.SetReviewWord(model::CReviewArea::kReviewScreenFlag | model::CReviewArea::kDataGridFlag);
    // A data grid takes a field even over one of its items.
    const AddPlacement placement = PlaceAdd(model, AddKind::Field, Centre(7, 3), kCell, 5);
    EXPECT_FALSE(placement.refusal.has_value());
    EXPECT_TRUE(placement.intoDataGrid);
    EXPECT_EQ(placement.at.row, 9);
    EXPECT_EQ(placement.at.column, 3 + 5 + 10);
}

TEST_F(CanvasCommands, EnabledStatesFollowTheSelectionAndTheRightClick) {
    using C = CanvasCommand;
    const auto enabled = [&](C command) { return CommandEnabled(command, interaction, model); };
    // Nothing selected, no right click.
    EXPECT_FALSE(enabled(C::AddPrompt));
    EXPECT_FALSE(enabled(C::AddDatabaseField));
    EXPECT_FALSE(enabled(C::Suppress));
    EXPECT_FALSE(enabled(C::Rename));
    EXPECT_FALSE(enabled(C::Unsuppress));
    EXPECT_FALSE(enabled(C::ModifyConfirm));  // the screen has no confirm
    EXPECT_TRUE(enabled(C::AddBox));
    EXPECT_FALSE(enabled(C::FieldTrigger));

    interaction.RightPress(model, Centre(2, 6));
    interaction.RightRelease(Centre(2, 6));
    EXPECT_TRUE(enabled(C::AddPrompt));
    EXPECT_TRUE(enabled(C::Rename));
    EXPECT_TRUE(enabled(C::Properties));
    // A display takes the display trigger only; the screen's is always there.
    EXPECT_TRUE(enabled(C::DisplayTrigger));
    EXPECT_FALSE(enabled(C::FieldTrigger));
    EXPECT_FALSE(enabled(C::OptionTrigger));
    EXPECT_TRUE(enabled(C::ScreenTrigger));

    interaction.RightPress(model, Centre(4, 1));  // an option: no rename
    interaction.RightRelease(Centre(4, 1));
    EXPECT_FALSE(enabled(C::Rename));
    EXPECT_TRUE(enabled(C::Suppress));

    model.Options()[0].suppressed.SetCurrent(true);
    interaction.RightPress(model, Centre(4, 1));
    EXPECT_TRUE(enabled(C::Unsuppress));
    EXPECT_FALSE(enabled(C::Suppress));
}

TEST(RenameEditor, WidensToTheTextAndNeverBeyondTheLimit) {
    const CellRect item{5, 2, 10, 3};
    EXPECT_EQ(RenameEditorRect(item, 3, kCell), (PixelRect{40, 32, 80, 48}));    // the item's width
    EXPECT_EQ(RenameEditorRect(item, 12, kCell), (PixelRect{40, 32, 136, 48}));  // the text's
    EXPECT_EQ(RenameEditorRect(item, 500, kCell).right, 40 + kRenameLimit * kCell.width);
}

// A field the program hides, released from the data entry list, follows
// the mouse with its first cell under it until the next press drops it.
TEST_F(CanvasCommands, AReleasedFieldFollowsTheMouseUntilAPressDropsIt) {
    using C = CanvasCommand;
    EXPECT_FALSE(CommandEnabled(C::AddDataEntryField, interaction, model));
    EXPECT_FALSE(CommandEnabled(C::UnsuppressField, interaction, model));
    model::CAcceptFld& field = Accept(10, 3, "HIDDEN", "x(4)");
    field.suppressedInProgram = true;
    field.suppressed.SetCurrent(true);
    EXPECT_TRUE(CommandEnabled(C::AddDataEntryField, interaction, model));
    EXPECT_FALSE(CommandEnabled(C::UnsuppressField, interaction, model));  // only fields the program shows
    field.suppressed.SetCurrent(false);

    const commands::ItemKey key = commands::KeyOf(field);
    ASSERT_TRUE(interaction.AttachToMouse(model, key, Centre(0, 0)));
    EXPECT_TRUE(interaction.Attached());
    interaction.Drag(Centre(11, 20));
    ASSERT_TRUE(interaction.RubberBand().has_value());
    EXPECT_EQ(interaction.RubberBand()->left, 20 * kCell.width);
    EXPECT_EQ(interaction.RubberBand()->top, 11 * kCell.height);
    const GestureOutcome outcome = interaction.Release(Centre(11, 20));
    EXPECT_EQ(outcome.kind, OutcomeKind::MoveItem);
    EXPECT_STREQ(outcome.command, commands::texts::kMoveAccept);
    EXPECT_EQ(CommandValues(outcome, model)[0].text, "14,30");
    EXPECT_FALSE(interaction.Attached());

    // Escape lets go: the next press only selects.
    ASSERT_TRUE(interaction.AttachToMouse(model, key, Centre(5, 5)));
    interaction.Cancel();
    EXPECT_FALSE(interaction.Attached());
    EXPECT_EQ(interaction.Release(Centre(11, 20)).kind, OutcomeKind::Nothing);

    commands::ItemKey gone = key;
    gone.identifier.text = "NO-SUCH-FIELD";
    EXPECT_FALSE(interaction.AttachToMouse(model, gone, Centre(5, 5)));
    EXPECT_FALSE(interaction.Attached());
}

}  // namespace
}  // namespace canvas::interaction
