// Applying sections to the decoded demo program and to small programs.

#include <gtest/gtest.h>

#include <algorithm>
#include <istream>
#include <memory>
#include <streambuf>
#include <string>

#include "tessellar/overrides/apply_section.h"
#include "tessellar/overrides/line_reader.h"
#include "tessellar/overrides/section_bodies.h"
#include "tessellar/overrides/value_readers.h"
#include "tessellar/overrides/tests/decoded_program.h"
#include "testsupport/scratch_directory.h"

namespace overrides {
namespace {

using testing::ApplyText;
using testing::DecodedProgram;

class OverrideApplyDemo : public ::testing::Test {
protected:
    void SetUp() override {
        demo_ = DecodedProgram::FromFile(TESSELLAR_DEMO_PROGRAM);
        ASSERT_NE(demo_, nullptr);
    }
    model::CScreenModel& Entry(const char* name) { return demo_->Entry(name); }

    std::unique_ptr<DecodedProgram> demo_;
    platform::RecordingMessageSink sink_;
};

TEST_F(OverrideApplyDemo, TwoStatementsForOneItemCombineInEitherOrder) {
    const std::string move = "display\n\t{\n\torig_text = \"Name:\"\n\tcoordinate = 5,10\n\t}\n";
    const std::string relabel = "display\n\t{\n\torig_text = \"Name:\"\n\ttext = \"Trading name:\"\n\t}\n";
    for (const std::string& section : {move + relabel, relabel + move}) {
        model::CScreenModel& screen = Entry("CUSTOMER");
        EXPECT_EQ(ApplyText(screen, section, sink_), 2u);
        const model::CDispText* name = screen.FindDisplayByOriginalText("Name:");
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->position.Current(), (model::CellPosition{3, 9}));  // origin 2,1
        EXPECT_EQ(name->position.Original(), (model::CellPosition{3, 3}));
        EXPECT_EQ(name->text.Current(), "Trading name:");
    }
    EXPECT_TRUE(sink_.Messages().empty());
}

TEST_F(OverrideApplyDemo, AcceptFieldsAreNotFoundByOriginalTextNorByAnotherKind) {
    model::CScreenModel& screen = Entry("CUSTOMER");
    ApplyText(screen,
              "accept\n\t{\n\torig_text = \"CUST-NAME\"\n\ttitle = \"X\"\n\t}\n"
              "accept\n\t{\n\tname = CUST-NO\n\ttitle = \"Y\"\n\t}\n"  // CUST-NO is known by its tag
              "accept\n\t{\n\ttag = 2\n\ttitle = \"Account status\"\n\t}\n",
              sink_);
    EXPECT_EQ(screen.FindAcceptByName("CUST-NAME")->title.Current(), "Name");
    EXPECT_EQ(screen.FindAcceptByName("CUST-NO")->title.Current(), "Code");
    EXPECT_EQ(screen.FindAcceptByName("CUST-STATUS")->title.Current(), "Account status");
}

TEST_F(OverrideApplyDemo, AcceptPropertiesInOrder) {
    model::CScreenModel& screen = Entry("CUSTOMER");
    ApplyText(screen,
              "accept\n\t{\n\tname = CUST-PHONE\n\tsuppress = true\n\treadonly = true\n\tdefault = \"none\"\n"
              "\tfilter = =,01*\n\tpicture = x(20)\n\tcoordinate = 8,30\n\tcolumn_number = 3\n"
              "\thelpline = \"Daytime number\"\n\ttitle = \"Telephone\"\n\t}\n",
              sink_);
    const model::CAcceptFld& phone = *screen.FindAcceptByName("CUST-PHONE");
    EXPECT_TRUE(phone.suppressed.Current());
    EXPECT_TRUE(phone.readOnly.Current());
    EXPECT_EQ(phone.defaultValue.Current(), "none");
    EXPECT_EQ(phone.defaultKind.Current(), kDefaultLiteral);
    EXPECT_EQ(phone.filter.Current(), "=,01*");
    EXPECT_EQ(phone.picture.Current(), "x(20)");
    EXPECT_EQ(phone.width.Current(), 20);
    EXPECT_EQ(phone.position.Current(), (model::CellPosition{6, 29}));
    EXPECT_EQ(phone.columnNumber.Current(), "3");
    EXPECT_EQ(phone.help.Current(), "Daytime number");
    EXPECT_EQ(phone.title.Current(), "Telephone");
}

TEST_F(OverrideApplyDemo, AllowedWithDisallowedAppliesNeitherAndSaysSoForEachKey) {
    model::CScreenModel& screen = Entry("CUSTOMER");
    ApplyText(screen, "accept\n\t{\n\tname = CUST-LIMIT\n\tallowed = 0#1000\n\tdisallowed = 5\n\t}\n", sink_);
    const model::CAcceptFld& limit = *screen.FindAcceptByName("CUST-LIMIT");
    EXPECT_FALSE(limit.allowed.Changed());
    EXPECT_FALSE(limit.disallowed.Changed());
    EXPECT_EQ(limit.userListSense, 0);
    ASSERT_EQ(sink_.Messages().size(), 2u);
    EXPECT_EQ(sink_.Messages()[0], "Screen cust: Can't have both allowed and disallowed for same field");

    sink_.Clear();
    ApplyText(screen, "accept\n\t{\n\tname = CUST-LIMIT\n\tdisallowed = 0,5#9\n\t}\n", sink_);
    EXPECT_EQ(limit.disallowed.Current(), "0,5#9");
    EXPECT_EQ(limit.userListSense, model::kUserListDisallowed);
    EXPECT_TRUE(sink_.Messages().empty());
}

TEST_F(OverrideApplyDemo, NamedFieldNotOnTheScreenIsAddedUnlessAddIsFalse) {
    const std::string statement = "display\n\t{\n\tname = CUST-PHONE\n\tcoordinate = 16,40\n";
    model::CScreenModel& refused = Entry("CUSTOMER");
    ApplyText(refused, statement + "\tadd = false\n\t}\n", sink_);
    EXPECT_EQ(refused.FindDisplayByName("CUST-PHONE"), nullptr);

    model::CScreenModel& screen = Entry("CUSTOMER");
    ApplyText(screen, statement + "\t}\n", sink_);
    const model::CDispText* added = screen.FindDisplayByName("CUST-PHONE");
    ASSERT_NE(added, nullptr);
    EXPECT_TRUE(added->added);
    EXPECT_EQ(added->width.Current(), 15);  // from the record source field
    EXPECT_EQ(added->picture.Current(), "x(15)");
    EXPECT_EQ(added->colours.Current(), (model::ColourPair{0x800000, 0xFFFFFF}));
    EXPECT_EQ(added->position.Current(), (model::CellPosition{14, 39}));

    // add = true marks the program field as shown; add = false then takes
    // the added display away again and clears the mark.
    const model::CFieldEntry* field = screen.FindFieldEntry(model::FieldList::RecordSource, "CUST-PHONE");
    ApplyText(screen, "display\n\t{\n\tname = CUST-PHONE\n\tadd = true\n\t}\n", sink_);
    EXPECT_TRUE(field->shownByDisplay);
    ApplyText(screen, "display\n\t{\n\tname = CUST-PHONE\n\tadd = false\n\t}\n", sink_);
    EXPECT_FALSE(field->shownByDisplay);
    EXPECT_EQ(screen.FindDisplayByName("CUST-PHONE"), nullptr);

    // A compiled display is never taken away by add = false.
    ApplyText(screen, "display\n\t{\n\tname = CUST-BALANCE\n\tadd = false\n\t}\n", sink_);
    EXPECT_NE(screen.FindDisplayByName("CUST-BALANCE"), nullptr);
}

TEST_F(OverrideApplyDemo, AddedPromptsAndDisplaysAreFoundByWhatTheyWereAddedWith) {
    model::CScreenModel& screen = Entry("CUSTOMER");
    const std::size_t compiled = screen.Displays().Size();
    ApplyText(screen,
              "display\n\t{\n\ttext = \"Notes:\"\n\tcoordinate = 15,4\n\tadd = true\n"
              "\tattributes = background, prompt\n\t}\n"
              "display\n\t{\n\ttag = 7\n\tadd = true\n\tcoordinate = 15,22\n\tpicture = x(30)\n\t}\n"
              "display\n\t{\n\tcoordinate = 16,22\n\tadd = true\n\t}\n"
              // The same prompt, found by its text and coordinate, relabelled.
              "display\n\t{\n\ttext = \"Notes:\"\n\tcoordinate = 15,4\n\tadd = true\n"
              "\tnew_prompt_text = \"Remarks:\"\n\t}\n"
              "trigger\n\t{\n\ttrigger_point = display\n\ttag = 7\n\trun = notes.exe\n\ttype = windows\n\t}\n",
              sink_);
    ASSERT_EQ(screen.Displays().Size(), compiled + 3);
    const model::CDispText& prompt = screen.Displays()[compiled];
    EXPECT_EQ(prompt.identification, model::IdentificationKind::AddedPrompt);
    EXPECT_EQ(prompt.text.Current(), "Remarks:");
    EXPECT_EQ(prompt.width.Current(), 6);
    EXPECT_EQ(prompt.attributes.Current(), 0x10u);
    EXPECT_EQ(prompt.colours.Current(), (model::ColourPair{0x000000, 0xC0C0C0}));

    const model::CDispText& tagged = screen.Displays()[compiled + 1];
    EXPECT_EQ(tagged.identification, model::IdentificationKind::AddedDisplay);
    EXPECT_EQ(tagged.tag, 7);
    EXPECT_EQ(tagged.width.Current(), 30);
    ASSERT_NE(tagged.triggers.Slot(model::TriggerPoint::Display), nullptr);
    EXPECT_EQ(tagged.triggers.Slot(model::TriggerPoint::Display)->runLine, "notes.exe");
    EXPECT_EQ(tagged.triggers.Slot(model::TriggerPoint::Display)->typeCode, 2);

    const model::CDispText& untagged = screen.Displays()[compiled + 2];
    EXPECT_EQ(untagged.tag, -1);
    EXPECT_EQ(untagged.width.Current(), 2);

    // The prompt is now known by its new text; taking it away removes it.
    ApplyText(screen, "display\n\t{\n\ttext = \"Remarks:\"\n\tcoordinate = 15,4\n\tadd = false\n\t}\n", sink_);
    EXPECT_EQ(screen.Displays().Size(), compiled + 2);
}

TEST_F(OverrideApplyDemo, DisplayLooksAndScale) {
    model::CScreenModel& screen = Entry("CUSTOMER");
    ApplyText(screen,
              "display\n\t{\n\tname = CUST-BALANCE\n\tcolor = red/yellow\n\tattributes = bold,border\n"
              "\tscale = 150\n\tsuppress = true\n\ttitle = \"Owed\"\n\t}\n"
              "display\n\t{\n\tname = USER-ID\n\tscale = 0\n\t}\n",
              sink_);
    const model::CDispText& balance = *screen.FindDisplayByName("CUST-BALANCE");
    EXPECT_EQ(balance.colours.Current(), (model::ColourPair{0x0000FF, 0x00FFFF}));
    EXPECT_EQ(balance.attributes.Current(), 0x81u);
    EXPECT_EQ(balance.scale.Current(), 150);
    EXPECT_TRUE(balance.suppressed.Current());
    EXPECT_EQ(balance.columnTitle.Current(), "Owed");
    EXPECT_EQ(screen.FindDisplayByName("USER-ID")->scale.Current(), 100);
}

TEST_F(OverrideApplyDemo, BoxesAreKnownByBothCorners) {
    model::CScreenModel& screen = Entry("CUSTOMER");
    ApplyText(screen,
              "box\n\t{\n\torig_coordinate = 3,2\n\ttitle = \"Missing corner\"\n\t}\n"
              "box\n\t{\n\torig_coordinate = 3,2\n\tcoordinate = 17,77\n\ttitle = \"Account\"\n\t}\n"
              "box\n\t{\n\torig_coordinate = 18,2\n\tcoordinate = 20,40\n\tadd = true\n\ttitle = \"Notes\"\n\t}\n",
              sink_);
    ASSERT_EQ(screen.Boxes().Size(), 2u);
    EXPECT_EQ(screen.Boxes()[0].title.Current(), "Account");
    EXPECT_TRUE(screen.Boxes()[1].added);
    EXPECT_EQ(screen.Boxes()[1].corners.Current(), (model::BoxCorners{1, 16, 39, 18}));

    ApplyText(screen,
              "box\n\t{\n\torig_coordinate = 18,2\n\tcoordinate = 20,40\n\tadd = false\n\t}\n"
              "box\n\t{\n\torig_coordinate = 3,2\n\tcoordinate = 17,77\n\tadd = false\n\tsuppress = true\n\t}\n",
              sink_);
    ASSERT_EQ(screen.Boxes().Size(), 1u);
    EXPECT_TRUE(screen.Boxes()[0].suppressed.Current());
}

TEST_F(OverrideApplyDemo, MessagesByOriginalText) {
    model::CScreenModel& screen = Entry("CUSTOMER");
    ApplyText(screen,
              "message\n\t{\n\torig_text = \"Customer deleted\"\n\ttext = \"Customer removed\"\n\t}\n"
              "message\n\t{\n\torig_text = \"No such message\"\n\ttext = \"New text\"\n\t}\n"
              "message\n\t{\n\tname = \"Customer kept\"\n\ttext = \"Kept\"\n\t}\n",
              sink_);
    const model::CMessageItem& deleted = screen.Messages()[3];
    EXPECT_EQ(deleted.text.Current(), "Customer removed");
    EXPECT_EQ(deleted.editedText, "Customer removed");
    EXPECT_EQ(screen.Messages()[4].text.Current(), "Customer kept");
    EXPECT_EQ(sink_.Messages(), (std::vector<std::string>{"Could not override this message \"New text \"",
                                                          "Could not override this message \"Kept \""}));
}

// A text no whole message has renames the messages holding it as one of
// their parts, as the batch tool's blocks mean; parts renamed in two blocks
// both show, and a variable's name never is a part to rename.
TEST_F(OverrideApplyDemo, APartOfAMessageJoinedFromSeveral) {
    model::CScreenModel& screen = Entry("CUSTOMER");
    ApplyText(screen,
              "message\n\t{\n\torig_text = \"Customer \"\n\ttext = \"Client \"\n\t}\n"
              "message\n\t{\n\torig_text = \" saved\"\n\ttext = \" stored\"\n\t}\n"
              "message\n\t{\n\torig_text = \"CUST-NO\"\n\ttext = \"number\"\n\t}\n",
              sink_);
    std::vector<std::string> texts;
    for (const model::CMessageItem& message : screen.Messages()) texts.push_back(message.text.Current());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Client CUST-NO stored"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Client CUST-NO not found"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Customer deleted"), texts.end());
    EXPECT_EQ(sink_.Messages(), (std::vector<std::string>{"Could not override this message \"number \""}));
    // Put back, the parts are the program's again.
    for (model::CMessageItem& message : screen.Messages()) message.ResetToOriginal();
    EXPECT_FALSE(screen.Messages()[1].RenamePart("nothing", "x"));
    EXPECT_EQ(screen.Messages()[1].text.Current(), screen.Messages()[1].text.Original());
}

TEST_F(OverrideApplyDemo, ModesOfTheScreenAndOfTheProgram) {
    model::CScreenModel& screen = Entry("ORDER");  // modes ADD, CHANGE, FIND
    ApplyText(screen,
              "mode\n\t{\n\tname = DELETE\n\ttext = \"Remove\"\n\t}\n"         // a copy of the program mode
              "mode\n\t{\n\tname = ARCHIVE\n\tadd = true\n\t}\n"              // a new mode
              "mode\n\t{\n\tname = NOSUCH\n\tsuppress = true\n\t}\n"          // dropped
              "mode\n\t{\n\tname = FIND\n\thelpline = \"Look up an order\"\n\t}\n"
              "trigger\n\t{\n\ttrigger_point = validate_mode\n\tname = FIND\n\trun = check.exe\n\ttype = command\n\t}\n"
              "window\n\t{\n\tdefault = CHANGE\n\t}\n",
              sink_);
    const auto& modes = screen.Modes(model::ModeList::Screen);
    ASSERT_EQ(modes.Size(), 5u);
    EXPECT_EQ(modes[3].identifier, "DELETE");
    EXPECT_EQ(modes[3].label.Current(), "Remove");
    EXPECT_EQ(modes[3].position.column, modes[2].position.column + modes[2].width);
    EXPECT_EQ(modes[4].identifier, "ARCHIVE");
    EXPECT_TRUE(modes[4].added);
    EXPECT_TRUE(modes[1].isDefault);

    const model::CModeItem* programDelete = screen.FindModeByIdentifier("DELETE", model::ModeList::ProgramWide);
    EXPECT_EQ(programDelete->label.Current(), "Remove");
    const model::CModeItem* programFind = screen.FindModeByIdentifier("FIND", model::ModeList::ProgramWide);
    EXPECT_EQ(programFind->help.Current(), "Look up an order");
    EXPECT_EQ(programFind->triggers.Slot(model::TriggerPoint::ValidateMode)->runLine, "check.exe");
    EXPECT_EQ(modes[2].triggers.Slot(model::TriggerPoint::ValidateMode)->runLine, "check.exe");

    // Taking the added mode away closes its gap; a compiled mode stays.
    ApplyText(screen, "mode\n\t{\n\tname = ARCHIVE\n\tadd = false\n\t}\nmode\n\t{\n\tname = ADD\n\tadd = false\n\t}\n",
              sink_);
    EXPECT_EQ(modes.Size(), 4u);
}

TEST_F(OverrideApplyDemo, ConfirmsByQuestionOrTheFirst) {
    model::CScreenModel& menu = Entry("MAIN-MENU");
    ApplyText(menu,
              "confirm\n\t{\n\tdefault = yes\n\t}\n"
              "confirm\n\t{\n\tname = \"Leave the application?\"\n\ttext = \"Quit now?\"\n\t}\n"
              "confirm\n\t{\n\tname = \"Print first?\"\n\tsuppress = true\n\t}\n",
              sink_);
    ASSERT_EQ(menu.Confirms().Size(), 2u);
    EXPECT_EQ(menu.Confirms()[0].defaultAnswer.Current(), "yes");
    EXPECT_EQ(menu.Confirms()[0].question.Current(), "Quit now?");
    EXPECT_EQ(menu.Confirms()[1].question.Original(), "Print first?");
    EXPECT_TRUE(menu.Confirms()[1].suppressed.Current());

    model::CScreenModel& order = Entry("ORDER");  // no confirm: the first one is made
    ApplyText(order, "confirm\n\t{\n\tdefault = no\n\t}\n", sink_);
    ASSERT_EQ(order.Confirms().Size(), 1u);
    EXPECT_EQ(order.Confirms()[0].defaultAnswer.Current(), "no");
}

TEST_F(OverrideApplyDemo, TriggersByPoint) {
    model::CScreenModel& menu = Entry("MAIN-MENU");
    ApplyText(menu,
              "trigger\n\t{\n\ttrigger_point = option\n\torig_text = \"Reports\"\n\trun = reports.exe\n"
              "\ttype = orvale\n\t}\n"
              "trigger\n\t{\n\ttrigger_point = BEFORE_OPTION\n\torig_text = \"Exit\"\n\trun = bye.exe\n\t}\n"
              "trigger\n\t{\n\ttrigger_point = screen_load\n\trun = hello.exe\n\ttype = command_with_status\n\t}\n"
              "trigger\n\t{\n\ttrigger_point = mode\n\tname = ADD\n\trun = never.exe\n\t}\n"
              "trigger\n\t{\n\tname = ADD\n\trun = never.exe\n\t}\n",
              sink_);
    const model::COptionItem& reports = menu.Options()[4];
    EXPECT_EQ(reports.triggers.Slot(model::TriggerPoint::Option)->runLine, "reports.exe");
    EXPECT_EQ(reports.triggers.Slot(model::TriggerPoint::Option)->typeCode, 5);
    const model::TriggerSlot& exit = *menu.Options()[6].triggers.Slot(model::TriggerPoint::BeforeOption);
    EXPECT_TRUE(exit.hasTrigger);
    EXPECT_TRUE(exit.customised);
    EXPECT_EQ(exit.typeCode, 0);
    EXPECT_EQ(menu.ScreenTriggers().Slot(model::TriggerPoint::ScreenLoad)->typeCode, 3);
    for (const model::CModeItem& mode : menu.Modes(model::ModeList::ProgramWide)) {
        EXPECT_FALSE(mode.triggers.AnyTrigger());
    }

    model::CScreenModel& customer = Entry("CUSTOMER");
    ApplyText(customer,
              "trigger\n\t{\n\ttrigger_point = on_help\n\ttag = 1\n\trun = help.exe CUST-NO\n\t}\n"
              "trigger\n\t{\n\ttrigger_point = after_accept\n\tname = CUST-NAME\n\trun = check.exe\n\t}\n"
              "trigger\n\t{\n\ttrigger_point = screen_exit\n\trun = bye.exe\n\t}\n",
              sink_);
    EXPECT_EQ(customer.FindAcceptByName("CUST-NO")->triggers.Slot(model::TriggerPoint::OnHelp)->runLine,
              "help.exe CUST-NO");
    EXPECT_TRUE(customer.FindAcceptByName("CUST-NAME")->triggers.Slot(model::TriggerPoint::AfterAccept)->hasTrigger);
    EXPECT_TRUE(customer.ScreenTriggers().Slot(model::TriggerPoint::ScreenExit)->hasTrigger);
}

TEST_F(OverrideApplyDemo, WindowTitleSizeAndTheDataGrid) {
    model::CScreenModel& grid = Entry("ORDER-LINES");
    ApplyText(grid,
              "window\n\t{\n\ttitle = \"Lines of an order\"\n\twindow_size = 60,15\n\t}\n"
              "accept\n\t{\n\ttag = 20\n\tsuppress = true\n\t}\n",
              sink_);
    const model::CScreenWnd& frame = *grid.Frame();
    EXPECT_EQ(grid.Title().Current(), "Lines of an order");
    EXPECT_EQ(frame.TitleBar().title.Current(), "Lines of an order");
    EXPECT_EQ(frame.rightColumn, frame.leftColumn + 59);
    EXPECT_EQ(frame.bottomRow, frame.topRow + 14);
    EXPECT_EQ(frame.TitleBar().rightColumn, frame.rightColumn);
    EXPECT_EQ(grid.ReviewArea()->rightColumn, 58);
    EXPECT_TRUE(grid.ReviewArea()->horizontalScroll);  // 67 columns of grid in 59

    // The hidden field left the grid and the columns closed up.
    EXPECT_EQ(grid.ReviewArea()->columns.Size(), 4u);
    EXPECT_EQ(grid.ReviewArea()->columns.Entries()[0].position, 0);
    EXPECT_EQ(grid.ReviewArea()->columns.Entries()[0].key, 15);
    ApplyText(grid, "accept\n\t{\n\ttag = 20\n\tsuppress = false\n\t}\n", sink_);
    EXPECT_EQ(grid.ReviewArea()->columns.Size(), 5u);

    // Nonsense sizes leave the frame as it was.
    ApplyText(grid, "window\n\t{\n\twindow_size = 0,15\n\t}\nwindow\n\t{\n\twindow_size = 2147483647,9\n\t}\n", sink_);
    EXPECT_EQ(frame.rightColumn, frame.leftColumn + 59);
}

// No character terminal shows more than 255 rows or columns: a size or a
// coordinate beyond that is out of range and the compiled value stays.
TEST_F(OverrideApplyDemo, SizesAndCoordinatesBeyondAnyScreenLeaveTheCompiledValues) {
    model::CScreenModel& screen = Entry("CUSTOMER");
    const model::CScreenWnd& frame = *screen.Frame();
    ApplyText(screen, "window\n\twindow_size = 255,255\n", sink_);
    EXPECT_EQ(frame.rightColumn, frame.leftColumn + 254);
    EXPECT_EQ(frame.bottomRow, frame.topRow + 254);
    ApplyText(screen, "window\n\twindow_size = 256,20\nwindow\n\twindow_size = 20,3000\n", sink_);
    EXPECT_EQ(frame.rightColumn, frame.leftColumn + 254);
    EXPECT_EQ(frame.bottomRow, frame.topRow + 254);

    const model::CAcceptFld& name = *screen.FindAcceptByName("CUST-NAME");
    ApplyText(screen, "accept\n\tname = CUST-NAME\n\tcoordinate = 256,10\n", sink_);
    EXPECT_FALSE(name.position.Changed());
    ApplyText(screen, "accept\n\tname = CUST-NAME\n\tcoordinate = 255,255\n", sink_);
    EXPECT_TRUE(name.position.Changed());

    const std::size_t displays = screen.Displays().Size();
    const std::size_t boxes = screen.Boxes().Size();
    ApplyText(screen,
              "display\n\tadd = true\n\ttext = \"Far\"\n\tcoordinate = 300,5\n"
              "display\n\tadd = true\n\tcoordinate = 5,3000\n"
              "box\n\torig_coordinate = 1,1\n\tcoordinate = 300,300\n\tadd = true\n",
              sink_);
    EXPECT_EQ(screen.Displays().Size(), displays);
    EXPECT_EQ(screen.Boxes().Size(), boxes);
}

TEST_F(OverrideApplyDemo, MovingOutOfTheGridAndBack) {
    model::CScreenModel& grid = Entry("ORDER-LINES");  // origin 3,2; grid rows 5 to 18
    ApplyText(grid, "display\n\t{\n\tname = ITEM-PRICE\n\tcoordinate = 20,10\n\t}\n", sink_);
    const model::CDispText& price = *grid.FindDisplayByName("ITEM-PRICE");
    EXPECT_FALSE(price.inReviewArea);
    EXPECT_EQ(price.position.Current(), (model::CellPosition{17, 8}));
    EXPECT_EQ(grid.ReviewArea()->columns.Size(), 4u);
    ApplyText(grid, "display\n\t{\n\tname = ITEM-PRICE\n\tcoordinate = 5,54\n\t}\n", sink_);
    EXPECT_TRUE(price.inReviewArea);
    EXPECT_EQ(grid.ReviewArea()->columns.Size(), 5u);
    EXPECT_EQ(price.position.Current(), price.position.Original());
}

// Statements change current positions only: an item moved into the grid,
// and the grid items its column shifts, keep their decoded originals. The
// item stands where its statement puts it in the columns' order: after the
// column its coordinate falls in.
TEST_F(OverrideApplyDemo, GridReLayoutKeepsOriginalPositions) {
    model::CScreenModel& grid = Entry("ORDER-LINES");
    const model::CDispText& order = *grid.FindDisplayByName("ORDER-NO");
    const model::CDispText& description = *grid.FindDisplayByName("ITEM-DESC");
    ASSERT_EQ(order.position.Original(), (model::CellPosition{1, 8}));
    ASSERT_EQ(description.position.Original(), (model::CellPosition{2, 10}));

    ApplyText(grid, "display\n\tname = ORDER-NO\n\tcoordinate = 5,20\n", sink_);
    EXPECT_TRUE(order.inReviewArea);
    EXPECT_EQ(order.position.Original(), (model::CellPosition{1, 8}));
    EXPECT_EQ(description.position.Original(), (model::CellPosition{2, 10}));
    EXPECT_EQ(description.position.Current(), (model::CellPosition{2, 10}));
    EXPECT_EQ(order.position.Current(), (model::CellPosition{2, 10 + description.width.Current()}));
}

// Damaged or foreign text never changes more than its good statements say.
TEST_F(OverrideApplyDemo, BadTextLeavesTheCompiledScreen) {
    model::CScreenModel& screen = Entry("CUSTOMER");
    const std::string before = screen.FindAcceptByName("CUST-NAME")->title.Current();
    const std::string junk = std::string("accept\n\tname = CUST-NAME\n\tcolour = red\n\t{{{{\n") +
                             std::string("\0\0\0 = true\n", 10) + std::string(3000, '=') + "\n}\n}\n" +
                             "window\n\twindow_size = -5,-5\n\tcoordinate = -2147483648,-2147483648\n" +
                             "display\n\torig_coordinate = -2147483648,2147483647\n" +
                             "\tcoordinate = -2147483648,-2147483648\n\tadd = true\n\ttext = \"x\"\n" +
                             "box\n\torig_coordinate = 1,1\n\tcoordinate = 2147483647,2147483647\n\tadd = true\n" +
                             "trigger\n\ttrigger_point = after_accept\n\trun\n";
    ApplyText(screen, junk, sink_);
    EXPECT_EQ(screen.FindAcceptByName("CUST-NAME")->title.Current(), before);
    EXPECT_TRUE(sink_.Messages().empty());
}

TEST_F(OverrideApplyDemo, SectionFileThatCannotBeReadAppliesNothing) {
    model::CScreenModel& screen = Entry("CUSTOMER");
    EXPECT_FALSE(ApplySection(screen, sink_));  // no work file yet
    screen.SetOverridePath("/nonexistent/ZZZ_CUSTOMER.tmp");
    EXPECT_FALSE(ApplySection(screen, sink_));
    EXPECT_FALSE(screen.FindAcceptByName("CUST-NAME")->title.Changed());

    // A path that opens but cannot be read (a directory) is no section either.
    testsupport::ScratchDirectory scratch;
    screen.SetOverridePath(scratch.Path().string());
    EXPECT_FALSE(ApplySection(screen, sink_));
    SectionBodies sections;
    EXPECT_FALSE(ReadSectionBodies(scratch.Path().string(), sections));
    EXPECT_EQ(sections.Find("CUSTOMER"), nullptr);
}

// Gives its text, then fails as a read error part-way through a file does:
// the file stream's buffer throws.
class FailingBuffer : public std::streambuf {
public:
    explicit FailingBuffer(std::string text) : text_(std::move(text)) {
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }

protected:
    int_type underflow() override { throw std::ios_base::failure("read error"); }

private:
    std::string text_;
};

TEST(OverrideReadErrors, AReadErrorPartWayEndsTheLinesWithoutThrowing) {
    FailingBuffer buffer("screen CUSTOMER\n\t{\n\tacc");
    std::istream in(&buffer);
    LineReader reader(in);
    std::string line;
    EXPECT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "screen CUSTOMER\n");
    EXPECT_TRUE(reader.Next(line));
    EXPECT_FALSE(reader.Next(line));
    EXPECT_TRUE(in.bad());

    FailingBuffer again("screen CUSTOMER\n\t{\n\taccept\n");
    std::istream split(&again);
    SectionBodies sections;
    SplitSections(split, sections);
    EXPECT_TRUE(split.bad());
}

// Identification kinds that only a small program shows clearly.
TEST(OverrideApplyProgram, DuplicateNamesAreKnownByCoordinateOnly) {
    auto program = DecodedProgram::FromDescription(
        "global AMOUNT size 8 type A\n"
        "screen S {\n"
        "  frame 3 5 20 70\n"
        "  body {\n"
        "    display 4 6 var:AMOUNT\n"
        "    display 6 6 var:AMOUNT\n"
        "    display 8 6 \"Total\"\n"
        "    display 9 6 \"Total\"\n"
        "    display 10 6 expr\n"
        "  }\n"
        "}\n");
    ASSERT_NE(program, nullptr);
    model::CScreenModel& screen = program->Entry("S");
    platform::RecordingMessageSink sink;
    ApplyText(screen,
              "display\n\t{\n\torig_coordinate = 6,6\n\ttext = \"Second\"\n\t}\n"
              "display\n\t{\n\torig_text = \"Total\"\n\tsuppress = true\n\t}\n"
              "display\n\t{\n\torig_coordinate = 10,6\n\tsuppress = true\n\t}\n",
              sink);
    EXPECT_EQ(screen.Displays()[0].text.Current(), "AMOUNT");
    EXPECT_EQ(screen.Displays()[1].text.Current(), "Second");
    EXPECT_FALSE(screen.Displays()[2].suppressed.Current());  // "Total" is not unique
    EXPECT_TRUE(screen.Displays()[4].suppressed.Current());
    // A name statement for the shared name finds neither and adds a display.
    ApplyText(screen, "display\n\t{\n\tname = AMOUNT\n\tcoordinate = 12,6\n\t}\n", sink);
    EXPECT_EQ(screen.Displays().Size(), 6u);
    EXPECT_EQ(screen.Displays()[5].width.Current(), 8);
}

}  // namespace
}  // namespace overrides
