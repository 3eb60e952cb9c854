// Commands run on a document's entries: the statements they leave in the
// entry's work file, undo and redo over them, the hand edit and saving.

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>

#include "tessellar/commands/command_texts.h"
#include "tessellar/commands/item_reference.h"
#include "tessellar/model/attribute_flags.h"
#include "tessellar/overrides/item_placement.h"
#include "tessellar/document/tests/document_fixture.h"
#include "tessellar/document/document_texts.h"
#include "platform/message_format.h"
#include "testsupport/case_name.h"

namespace document::testing {
namespace {

namespace fs = std::filesystem;
using commands::CommandValue;
using commands::ItemKey;

struct Step {
    const char* command;
    ItemKey key;
    std::vector<CommandValue> values;
};

struct WorkFileCase {
    const char* why;
    std::vector<Step> steps;
    const char* workFile;
};

// ctest lists a row with its value: print its reason, not its bytes.
[[maybe_unused]] void PrintTo(const WorkFileCase& row, std::ostream* out) { *out << row.why; }

class CommandWorkFiles : public DemoDocument, public ::testing::WithParamInterface<WorkFileCase> {};

TEST_P(CommandWorkFiles, LeaveExactlyTheseStatements) {
    Open(false);
    model::CScreenModel& customer = Entry("CUSTOMER");
    for (const Step& step : GetParam().steps) Run(customer, step.command, step.key, step.values);
    EXPECT_EQ(WorkFile(customer), GetParam().workFile) << GetParam().why;
    EXPECT_TRUE(sink_.Messages().empty()) << sink_.Messages().front();
}

const WorkFileCase kWorkFileCases[] = {
    {"a second text change rewrites the line instead of adding a block",
     {{"Change display text", Text("Name:"), {Q("Client:")}}, {"Change display text", Text("Name:"), {Q("Full name:")}}},
     "display\n\t{\n\torig_text = \"Name:\"\n\ttext = \"Full name:\"\n\t}\n"},
    {"title then help line of one field make one block",
     {{"Modify accept title", Named("CUST-NAME"), {Q("Client")}},
      {"Modify accept help", Named("CUST-NAME"), {Q("Who")}}},
     "accept\n\t{\n\tname = CUST-NAME\n\ttitle = \"Client\"\n\thelpline = \"Who\"\n\t}\n"},
    {"suppress appends the flag, then the default it needs",
     {{"Suppress accept", Named("CUST-NAME"), {Q("x")}}},
     "accept\n\t{\n\tname = CUST-NAME\n\tsuppress = true\n\tdefault = \"x\"\n\t}\n"},
    {"unsuppressing a field visible in the program drops its block",
     {{"Suppress accept", Named("CUST-NAME"), {B("today")}}, {"Unsuppress accept", Named("CUST-NAME"), {}}},
     ""},
    {"unsuppressing takes the suppress line and its default only: the field's move stays",
     {{"Suppress accept", Named("CUST-NAME"), {Q("x")}},
      {"Move accept", Named("CUST-NAME"), {B("5,30")}},
      {"Unsuppress accept", Named("CUST-NAME"), {}}},
     "accept\n\t{\n\tname = CUST-NAME\n\tcoordinate = 5,30\n\t}\n"},
    {"removing the only filter removes the block",
     {{"Modify accept filter", Named("CUST-NAME"), {B("="), B("A")}}, {"Modify accept filter", Named("CUST-NAME"), {}}},
     ""},
    {"removing the filter beside another line keeps the other line",
     {{"Modify accept title", Named("CUST-NAME"), {Q("T")}},
      {"Modify accept filter", Named("CUST-NAME"), {B("="), B("A")}},
      {"Modify accept filter", Named("CUST-NAME"), {}}},
     "accept\n\t{\n\tname = CUST-NAME\n\ttitle = \"T\"\n\t}\n"},
    {"switching a user list to disallowed replaces the allowed line",
     {{"Modify accept allow and disallow", Named("CUST-NAME"), {B("allowed"), Q("A#M")}},
      {"Modify accept allow and disallow", Named("CUST-NAME"), {B("disallowed"), Q("X")}}},
     "accept\n\t{\n\tname = CUST-NAME\n\tdisallowed = X\n\t}\n"},
    {"a box without title gets the add line alone",
     {{"Add box", NoKey(), {B("3,5"), B("10,20"), Q("")}}},
     "box\n\t{\n\torig_coordinate = 3,5\n\tcoordinate = 10,20\n\tadd = true\n\t}\n"},
    {"resetting the default mode of a window block holding only it drops the block",
     {{"Modify screen default mode", NoKey(), {B("ADD")}}, {"Modify screen default mode", NoKey(), {B("reset")}}},
     ""},
    {"resetting the screen title takes the line only",
     {{"Modify screen title", NoKey(), {Q("New")}}, {"Reset screen title", NoKey(), {}}},
     "window\n\t{\n\t}\n"},
    {"a trigger type outside 1 to 6 writes no type line",
     {{"Modify screen trigger", NoKey(), {B("screen_load"), B("lock.sh"), B("9")}}},
     "trigger\n\t{\n\ttrigger_point = screen_load\n\trun = lock.sh\n\t}\n"},
    {"a second trigger change rewrites run and type in place",
     {{"Modify accept trigger", Named("CUST-NAME"), {B("after_accept"), B("a.sh"), B("command")}},
      {"Modify accept trigger", Named("CUST-NAME"), {B("after_accept"), B("b.sh"), B("windows")}}},
     "trigger\n\t{\n\ttrigger_point = after_accept\n\tname = CUST-NAME\n\trun = b.sh\n\ttype = windows\n\t}\n"},
    {"an added prompt is found again at its new place after a move",
     {{"Add prompt", NoKey(), {Q("Hello"), B("20,5")}},
      {"Move display", Prompt("Hello", 20, 5), {B("21,6")}},
      {"Change display text", Prompt("Hello", 21, 6), {Q("Bye")}}},
     "display\n\t{\n\ttext = \"Bye\"\n\tcoordinate = 21,6\n\tadd = true\n\tattributes = background, prompt\n\t}\n"},
    {"a resize writes the picture, then the coordinate",
     {{"Resize accept", Named("CUST-NAME"), {B("12"), B("5,22")}}},
     "accept\n\t{\n\tname = CUST-NAME\n\tpicture = x(12)\n\tcoordinate = 5,22\n\t}\n"},
    {"a colour is written by name, or as a number (low three bits of each byte dropped) when it has none",
     {{"Modify display color", Text("Name:"), {B("Red/1193046")}}},
     "display\n\t{\n\torig_text = \"Name:\"\n\tcolor = red/1060944\n\t}\n"},
    {"messages are named by their original text",
     {{"Modify message text", Text("Customer deleted"), {Q("Gone")}}},
     "message\n\t{\n\torig_text = \"Customer deleted\"\n\ttext = \"Gone\"\n\t}\n"},
    {"moving an added box removes its block and adds one at the new corners",
     {{"Add box", NoKey(), {B("19,5"), B("20,40"), Q("Notes")}},
      {"Moving or resizing box", Box(19, 5, 20, 40), {B("19,6"), B("20,41")}}},
     "box\n\t{\n\torig_coordinate = 19,6\n\tcoordinate = 20,41\n\tadd = true\n\ttitle = \"Notes\"\n\t}\n"},
};

INSTANTIATE_TEST_SUITE_P(Catalogue, CommandWorkFiles, ::testing::ValuesIn(kWorkFileCases), testsupport::ByWhy());

TEST_F(DemoDocument, RefusalsReachTheSinkAndWriteNothing) {
    Open(false);
    model::CScreenModel& customer = Entry("CUSTOMER");
    struct Refused {
        Step step;
        const char* message;
    };
    const Refused refusals[] = {
        {{"Suppress accept", Named("CUST-NAME"), {Q("")}}, commands::texts::kCouldNotHide},
        {{"Readonly accept", Named("CUST-NAME"), {Q("")}}, commands::texts::kCouldNotMakeReadonly},
        {{"Suppress accept", Named("CUST-LIMIT"), {B("60000")}}, "Allowed -    0 -> 50000"},
        {{"Change accept default", Named("CUST-LIMIT"), {Q("-0.5")}}, "Allowed -    0 -> 50000"},
        {{"Resize accept", Named("CUST-LIMIT"), {B("4"), B("10,22")}}, commands::texts::kNotAlphanumeric},
        {{"Add field", NoKey(), {B("CUST-BALANCE"), B("20,5")}}, commands::texts::kAlreadyDisplayed},
        {{"Add prompt", NoKey(), {Q("On a field"), B("4,22")}}, commands::texts::kCouldNotAddPrompt},
    };
    for (const Refused& refused : refusals) {
        sink_.Clear();
        EXPECT_FALSE(Run(customer, refused.step.command, refused.step.key, refused.step.values));
        ASSERT_EQ(sink_.Messages().size(), 1u) << refused.step.command;
        EXPECT_EQ(sink_.Messages()[0], refused.message);
    }
    EXPECT_FALSE(document_.CanUndo(customer));
    EXPECT_FALSE(document_.Modified());
}

// Each value kind that becomes a statement line, given a character that
// would end the line early: before, the rest of the value was saved as
// statements of its own (or, after a NUL, a text without its closing quote).
TEST_F(DemoDocument, ValuesThatWouldBreakTheirLineAreRefused) {
    Open(false);
    model::CScreenModel& customer = Entry("CUSTOMER");
    const std::string nul("Cl\0ient", 7);
    const Step steps[] = {
        {"Modify accept trigger", Named("CUST-NAME"), {B("after_accept"), B("a\nscreen EVIL\n{"), B("command")}},
        {"Change display text", Text("Name:"), {Q(nul)}},
        {"Change display text", Text("Name:"), {Q("Client\r")}},
        {"Modify accept title", Named("CUST-NAME"), {Q("T\n")}},
        {"Modify accept help", Named("CUST-NAME"), {Q("\rhelp")}},
        {"Change accept default", Named("CUST-NAME"), {Q("x\ny")}},
        {"Modify accept allow and disallow", Named("CUST-NAME"), {B("allowed"), Q("A\n#M")}},
        {"Modify accept filter", Named("CUST-NAME"), {B("="), B(nul)}},
        {"Modify accept picture", Named("CUST-NAME"), {B("x(5)\n")}},
        {"Modify screen title", NoKey(), {Q("a\r\nb")}},
        {"Add prompt", NoKey(), {Q("New\nprompt"), B("20,5")}},
        {"Add box", NoKey(), {B("3,5"), B("10,20"), Q(nul)}},
        {"Change display text", Text("Na\nme:"), {Q("Client")}},
    };
    for (const Step& step : steps) {
        commands::MadeCommand made = commands::MakeCommand(customer, step.command, step.key, step.values);
        EXPECT_FALSE(made.command) << step.command;
        EXPECT_EQ(made.error, commands::texts::kValueBreaksLine) << step.command;
    }
    EXPECT_EQ(customer.OverridePath().empty() ? "" : WorkFile(customer), "");
    EXPECT_FALSE(document_.Modified());
}

// The model's checks as found from outside: each row was accepted (or
// refused) wrongly before.
TEST_F(DemoDocument, ChecksRefuseWhatSpoilsTheScreenAndNothingElse) {
    Open(false);
    struct Row {
        const char* entry;
        Step step;
        const char* refusal;  // null: accepted
    };
    const Row rows[] = {
        // a menu option and a mode button are items under the point too
        {"MAIN-MENU", {"Add prompt", NoKey(), {Q("Over an option"), B("5,12")}}, commands::texts::kCouldNotAddPrompt},
        {"CUSTOMER", {"Add prompt", NoKey(), {Q("Over a mode"), B("21,4")}}, commands::texts::kCouldNotAddPrompt},
        // a numeric display without a picture of its own shows a numeric one
        {"CUSTOMER", {"Resize display", Named("CUST-BALANCE"), {B("12"), B("11,22")}},
         commands::texts::kNotAlphanumeric},
        // a field the screen only accepts is not displayed yet
        {"CUSTOMER", {"Add field", NoKey(), {B("CUST-NAME"), B("20,5")}}, nullptr},
    };
    for (const Row& row : rows) {
        sink_.Clear();
        const bool ran = Run(Entry(row.entry), row.step.command, row.step.key, row.step.values);
        if (row.refusal == nullptr) {
            EXPECT_TRUE(ran) << row.step.command;
            EXPECT_TRUE(sink_.Messages().empty()) << row.step.command;
            continue;
        }
        EXPECT_FALSE(ran) << row.step.command;
        ASSERT_EQ(sink_.Messages().size(), 1u) << row.step.command;
        EXPECT_EQ(sink_.Messages()[0], row.refusal) << row.step.command;
    }
}

// The Styles page's Prompt box sets and clears the prompt mark; it once set
// Background on a data display and did nothing on a prompt.
TEST_F(DemoDocument, ThePromptWordSetsAndClearsThePromptMark) {
    Open(false);
    model::CScreenModel& customer = Entry("CUSTOMER");
    auto display = [&](commands::ItemKey key) {
        key.itemClass = commands::ItemClass::Display;
        const std::optional<commands::ResolvedItem> item = commands::Resolve(customer, key);
        return item ? item->display : nullptr;
    };
    ASSERT_NE(display(Text("Name:")), nullptr);
    ASSERT_TRUE(display(Text("Name:"))->IsPrompt());
    ASSERT_TRUE(Run(customer, "Modify display attributes", Text("Name:"), {Q("background")}));
    EXPECT_FALSE(display(Text("Name:"))->IsPrompt());
    EXPECT_TRUE(display(Text("Name:"))->attributes.Current() & model::attribute::kBackground);

    ASSERT_FALSE(display(Named("CUST-BALANCE"))->IsPrompt());
    ASSERT_TRUE(Run(customer, "Modify display attributes", Named("CUST-BALANCE"), {Q("bold,prompt")}));
    EXPECT_TRUE(display(Named("CUST-BALANCE"))->IsPrompt());
    // The runtime reads the word as the background bit too, and so does applying.
    EXPECT_TRUE(display(Named("CUST-BALANCE"))->attributes.Current() & model::attribute::kBackground);
}

// Every command applies the section again: its stale statements once
// showed their messages again with every nudge.
TEST_F(DemoDocument, ACommandShowsOnlyTheMessagesItsOwnStatementsCause) {
    overridePath_ = (scratch_.Path() / "demo.scf").string();
    WriteFile(overridePath_, "screen CUSTOMER\n\t{\n"
                             "\tmessage\n\t\t{\n\t\torig_text = \"No such text\"\n\t\ttext = \"x\"\n\t\t}\n"
                             "\taccept\n\t\t{\n\t\tname = CUST-NAME\n\t\tallowed = A\n\t\tdisallowed = B\n\t\t}\n"
                             "\t}\n");
    ASSERT_TRUE(document_.LoadProgram(TESSELLAR_DEMO_PROGRAM, sink_));
    document_.OpenOverrideFile(overridePath_, sink_);
    program::FillDirectoryPage(page_, *document_.Image(), "", sink_);
    sink_.Clear();
    model::CScreenModel& customer = Entry("CUSTOMER");
    const std::vector<std::string> onOpening = sink_.Messages();
    ASSERT_GE(onOpening.size(), 2u);

    sink_.Clear();
    ASSERT_TRUE(Run(customer, "Move display", Text("Name:"), {B("6,3")}));
    ASSERT_TRUE(document_.Undo(customer, sink_));
    ASSERT_TRUE(document_.Redo(customer, sink_));
    EXPECT_TRUE(sink_.Messages().empty());
    // Opened again, the screen says everything once more.
    document_.ReloadEntry(customer, sink_);
    EXPECT_EQ(sink_.Messages(), onOpening);
}

// Moving one of the program's own boxes once left the original on the
// screen (it has no block to take away) and the items inside it behind.
TEST_F(DemoDocument, MovingTheProgramsBoxHidesItAndTakesItsItemsAlong) {
    Open(false);
    model::CScreenModel& customer = Entry("CUSTOMER");
    ASSERT_TRUE(Run(customer, "Moving or resizing box", Box(3, 2, 17, 77), {B("4,3"), B("18,78")}));
    const std::string moved = WorkFile(customer);
    EXPECT_EQ(moved.rfind("box\n\t{\n\torig_coordinate = 3,2\n\tcoordinate = 17,77\n\tsuppress = true\n\t}\n"
                          "box\n\t{\n\torig_coordinate = 4,3\n\tcoordinate = 18,78\n\tadd = true\n"
                          "\ttitle = \"Customer details\"\n\t}\n",
                          0),
              0u)
        << moved;
    EXPECT_NE(moved.find("\torig_text = \"Name:\"\n\tcoordinate = 6,5\n"), std::string::npos) << moved;
    EXPECT_NE(moved.find("\tname = CUST-NAME\n\tcoordinate = 6,23\n"), std::string::npos) << moved;
    int shown = 0;
    for (const model::CBoxItem& box : customer.Boxes()) shown += box.suppressed.Current() ? 0 : 1;
    EXPECT_EQ(shown, 1);
    ASSERT_EQ(document_.UndoLabels(customer).size(), 1u);
    EXPECT_EQ(document_.UndoLabels(customer)[0].rfind("No. 1: Moving or resizing box(", 0), 0u);

    // A resize takes nothing along.
    ASSERT_TRUE(document_.Undo(customer, sink_));
    ASSERT_TRUE(Run(customer, "Moving or resizing box", Box(3, 2, 17, 77), {B("3,2"), B("18,77")}));
    EXPECT_EQ(WorkFile(customer).find("orig_text"), std::string::npos) << WorkFile(customer);
}

// A box the user added once moved alone, leaving its items where they were;
// a carried display with a display trigger and no tag stranded its trigger.
TEST_F(DemoDocument, MovingAnAddedBoxTakesItsItemsAlong) {
    Open(false);
    model::CScreenModel& customer = Entry("CUSTOMER");
    ASSERT_TRUE(Run(customer, "Add box", NoKey(), {B("18,40"), B("20,76"), Q("Extra")}));
    ASSERT_TRUE(Run(customer, "Add prompt", NoKey(), {Q("Note:"), B("19,42")}));
    ASSERT_TRUE(Run(customer, "Add user defined field", NoKey(), {B("0"), B("19,50"), B("x(8)")}));
    ASSERT_TRUE(Run(customer, "Modify display trigger", Key(6, {}, -1, 19, 50), {B("calendar.exe"), B("windows")}));
    ASSERT_TRUE(Run(customer, "Moving or resizing box", Box(18, 40, 20, 76), {B("18,42"), B("20,78")}));
    const std::string moved = WorkFile(customer);
    EXPECT_NE(moved.find("\ttext = \"Note:\"\n\tcoordinate = 19,44\n"), std::string::npos) << moved;
    // The field and its trigger block both name the new place.
    EXPECT_EQ(moved.find("coordinate = 19,50\n"), std::string::npos) << moved;
    std::size_t atNewPlace = 0;
    for (std::size_t at = moved.find("coordinate = 19,52\n"); at != std::string::npos;
         at = moved.find("coordinate = 19,52\n", at + 1)) {
        ++atNewPlace;
    }
    EXPECT_EQ(atNewPlace, 2u) << moved;
    EXPECT_EQ(document_.UndoLabels(customer).size(), 5u);  // the move is one step
}

// A field whose display is hidden is still displayed on the screen: a new
// block would name the hidden display and nothing would show.
TEST_F(DemoDocument, AddFieldRefusesAFieldWhoseDisplayIsHidden) {
    Open(false);
    model::CScreenModel& customer = Entry("CUSTOMER");
    ASSERT_TRUE(Run(customer, "Suppress display", Named("CUST-BALANCE")));
    sink_.Clear();
    EXPECT_FALSE(Run(customer, "Add field", NoKey(), {B("CUST-BALANCE"), B("16,40")}));
    ASSERT_EQ(sink_.Messages().size(), 1u);
    EXPECT_EQ(sink_.Messages()[0], commands::texts::kAlreadyDisplayed);
}

// A data grid takes a field only after its last column: an add onto a
// column once shared it (and spoilt both), a move onto one changed nothing
// on the screen. A field that leaves the middle closes the gap behind it.
TEST_F(DemoDocument, AGridTakesFieldsOnlyAfterItsLastColumn) {
    Open(false);
    model::CScreenModel& grid = Entry("ORDER-LINES");
    auto column = [&](const char* name) {
        const model::FieldItem* item = grid.FindAcceptByName(name);
        if (item == nullptr) item = grid.FindDisplayByName(name);
        return item->position.Current();
    };
    auto statement = [&](model::CellPosition at) {
        const model::CellPosition absolute = overrides::AbsolutePosition(grid, at);
        return B(std::to_string(absolute.row) + "," + std::to_string(absolute.column));
    };
    const model::CellPosition quantity = column("ITEM-QTY");
    const model::CellPosition price = column("ITEM-PRICE");
    const model::CellPosition amount = column("LINE-AMOUNT");
    const int end = grid.ReviewArea()->columns.EndColumn(grid.ReviewArea()->leftColumn);

    EXPECT_FALSE(Run(grid, "Add datagrid field", NoKey(), {B("COMPANY-NAME"), statement(quantity)}));
    EXPECT_EQ(sink_.Messages().back(), commands::texts::kNoColumnForAdd);
    EXPECT_FALSE(Run(grid, "Move datagrid accept", Named("ITEM-QTY"), {statement(price)}));
    EXPECT_EQ(sink_.Messages().back(), commands::texts::kNoColumnForMove);
    EXPECT_EQ(WorkFile(grid), "");

    // To the free end: the quantity becomes the last column, the columns to
    // its right close up and say so in the same step.
    ASSERT_TRUE(Run(grid, "Move datagrid accept", Named("ITEM-QTY"), {statement({quantity.row, end + 2})}));
    EXPECT_EQ(document_.UndoLabels(grid).size(), 1u);
    EXPECT_EQ(column("ITEM-PRICE").column, quantity.column);
    EXPECT_EQ(column("LINE-AMOUNT").column, amount.column - (price.column - quantity.column));
    EXPECT_GT(column("ITEM-QTY").column, column("LINE-AMOUNT").column);
    const std::string shifted = "coordinate = " + statement({price.row, quantity.column}).text;
    EXPECT_NE(WorkFile(grid).find(shifted), std::string::npos) << WorkFile(grid);

    // An add at the free end takes a column of its own; the others keep theirs.
    const std::size_t columns = grid.ReviewArea()->columns.Size();
    const int newEnd = grid.ReviewArea()->columns.EndColumn(grid.ReviewArea()->leftColumn);
    ASSERT_TRUE(Run(grid, "Add datagrid field", NoKey(), {B("COMPANY-NAME"), statement({quantity.row, newEnd})}));
    EXPECT_EQ(grid.ReviewArea()->columns.Size(), columns + 1);
    EXPECT_EQ(column("ITEM-QTY").column, newEnd - grid.FindAcceptByName("ITEM-QTY")->width.Current());
}

// A field moved or added to a grid's free end was written at the drop
// column, while the grid packs it after the other columns: the file no
// longer described the screen.
TEST_F(DemoDocument, AFieldAtTheGridsFreeEndIsWrittenWhereTheGridPutsIt) {
    Open(false);
    model::CScreenModel& grid = Entry("ORDER-LINES");
    ASSERT_TRUE(Run(grid, "Move datagrid accept", Named("ITEM-QTY"), {B("5,85")}));
    EXPECT_NE(WorkFile(grid).find("\tname = ITEM-QTY\n\tcoordinate = 5,76\n"), std::string::npos) << WorkFile(grid);
    const model::CellPosition qty = grid.FindAcceptByName("ITEM-QTY")->position.Current();
    EXPECT_EQ(overrides::AbsolutePosition(grid, qty), (model::CellPosition{5, 76}));

    const int end = grid.ReviewArea()->columns.EndColumn(grid.ReviewArea()->leftColumn);
    const int endColumn = overrides::AbsolutePosition(grid, {qty.row, end}).column;
    ASSERT_TRUE(Run(grid, "Add datagrid field", NoKey(), {B("COMPANY-NAME"), B("5," + std::to_string(endColumn + 9))}));
    const std::string added = "\tname = COMPANY-NAME\n\tadd = true\n\tcoordinate = 5," + std::to_string(endColumn) + "\n";
    EXPECT_NE(WorkFile(grid).find(added), std::string::npos) << WorkFile(grid);
    const model::CellPosition company = grid.FindDisplayByName("COMPANY-NAME")->position.Current();
    EXPECT_EQ(overrides::AbsolutePosition(grid, company).column, endColumn);
}

// The grid's columns as it shows them, left to right: each column's item
// and where it starts (statement coordinates).
std::vector<std::pair<std::string, int>> GridColumns(const model::CScreenModel& grid) {
    std::vector<std::pair<std::string, int>> columns;
    for (const model::ColumnEntry& entry : grid.ReviewArea()->columns.Entries()) {
        const model::FieldItem* item = entry.item;
        const auto* accept = dynamic_cast<const model::CAcceptFld*>(item);
        const auto* display = dynamic_cast<const model::CDispText*>(item);
        std::string name = accept != nullptr ? accept->name : display != nullptr ? display->name : "?";
        if (name.empty() && item != nullptr) name = "tag " + std::to_string(item->tag);
        columns.emplace_back(name, overrides::AbsolutePosition(grid, {0, entry.position}).column);
    }
    return columns;
}

// The second move's statements rewrite the first's block in place, so the
// file holds them in another order than the moves were made: reading it back
// must still give the grid the moves built, and the next move must close up
// the columns the screen shows.
TEST_F(DemoDocument, AGridReadBackStandsAsTheCommandsBuiltIt) {
    Open(false);
    model::CScreenModel& grid = Entry("ORDER-LINES");
    const auto compiled = GridColumns(grid);
    ASSERT_GE(compiled.size(), 3u);
    ASSERT_TRUE(Run(grid, "Move datagrid accept", Named("ITEM-QTY"), {B("5,85")}));
    const model::FieldItem* first = grid.ReviewArea()->columns.Entries().front().item;
    ASSERT_TRUE(first != nullptr && first->tag > 0);
    ASSERT_TRUE(Run(grid, "Move datagrid accept", Key(3, {}, first->tag), {B("5,90")}));
    const auto built = GridColumns(grid);
    ASSERT_EQ(built.size(), compiled.size());
    EXPECT_EQ(built.back().first, compiled.front().first);
    EXPECT_EQ(built[built.size() - 2].first, "ITEM-QTY");
    EXPECT_EQ(built.front().second, compiled.front().second) << "the columns close up from the grid's left";

    document_.ReloadEntry(grid, sink_);
    EXPECT_EQ(GridColumns(grid), built) << WorkFile(grid);

    // The next move takes the column the screen shows away, and the rest
    // close up behind it, in the file as on the screen.
    const model::FieldItem* leftmost = grid.ReviewArea()->columns.Entries().front().item;
    ASSERT_NE(leftmost, nullptr);
    if (const auto* display = dynamic_cast<const model::CDispText*>(leftmost)) {
        ASSERT_TRUE(Run(grid, "Move datagrid display", commands::KeyOf(*display), {B("5,120")}));
    } else {
        const auto& accept = dynamic_cast<const model::CAcceptFld&>(*leftmost);
        ASSERT_TRUE(Run(grid, "Move datagrid accept", commands::KeyOf(accept), {B("5,120")}));
    }
    const auto after = GridColumns(grid);
    document_.ReloadEntry(grid, sink_);
    EXPECT_EQ(GridColumns(grid), after) << WorkFile(grid);
    ASSERT_EQ(after.size(), built.size());
    EXPECT_EQ(after.back().first, built.front().first);
    for (std::size_t i = 0; i + 1 < after.size(); ++i) EXPECT_EQ(after[i].first, built[i + 1].first) << i;
}

// A column hidden while another moved came back at a place its neighbours'
// statements, written without it, gave it: between Price and Amount, where
// it had stood between Description and Price.
TEST_F(DemoDocument, AGridFieldShownAgainTakesBackItsPlaceAmongTheColumns) {
    Open(false);
    model::CScreenModel& grid = Entry("ORDER-LINES");
    const auto compiled = GridColumns(grid);
    const model::FieldItem* first = grid.ReviewArea()->columns.Entries().front().item;
    ASSERT_TRUE(first != nullptr && first->tag > 0);
    const int firstTag = first->tag;  // the items are made anew by each command
    ASSERT_TRUE(Run(grid, "Suppress accept", Named("ITEM-QTY"), {B("5")}));
    ASSERT_TRUE(Run(grid, "Move datagrid accept", Key(3, {}, firstTag), {B("5,85")}));
    ASSERT_TRUE(Run(grid, "Unsuppress accept", Named("ITEM-QTY"), {}));
    std::vector<std::string> expected;
    for (std::size_t i = 1; i < compiled.size(); ++i) expected.push_back(compiled[i].first);
    expected.push_back(compiled.front().first);
    std::vector<std::string> shown;
    for (const auto& column : GridColumns(grid)) shown.push_back(column.first);
    EXPECT_EQ(shown, expected);
    const auto built = GridColumns(grid);
    document_.ReloadEntry(grid, sink_);
    EXPECT_EQ(GridColumns(grid), built) << WorkFile(grid);
}

TEST_F(DemoDocument, UndoAndRedoToAnyDepth) {
    Open(false);
    model::CScreenModel& customer = Entry("CUSTOMER");
    EXPECT_FALSE(document_.CanUndo(customer));
    ASSERT_TRUE(Run(customer, "Move display", Text("Name:"), {B("6,3")}));
    const std::string afterFirst = WorkFile(customer);
    ASSERT_TRUE(Run(customer, "Modify accept title", Named("CUST-NAME"), {Q("T")}));
    ASSERT_TRUE(Run(customer, "Suppress display", Text("Phone:")));
    EXPECT_EQ(document_.UndoLabels(customer),
              (std::vector<std::string>{"No. 3: Suppress display(\torig_text = \"Phone:\"\n)",
                                        "No. 2: Modify accept title(\tname = CUST-NAME\n)",
                                        "No. 1: Move display(\torig_text = \"Name:\"\n)"}));

    // Three steps chosen in the drop-down: the work file is empty again and
    // the items are the compiled ones.
    document_.ChooseUndoCount(customer, 3);
    ASSERT_TRUE(document_.Undo(customer, sink_));
    EXPECT_EQ(WorkFile(customer), "");
    EXPECT_FALSE(document_.CanUndo(customer));
    EXPECT_EQ(document_.RedoLabels(customer).size(), 3u);
    EXPECT_EQ(document_.RedoLabels(customer).front(), "No. 3: Move display(\torig_text = \"Name:\"\n)");

    // A plain Redo after a multi-step choice does one step; redo re-records
    // the undo entry with its label and a new number.
    ASSERT_TRUE(document_.Redo(customer, sink_));
    EXPECT_EQ(WorkFile(customer), afterFirst);
    EXPECT_EQ(document_.UndoLabels(customer),
              (std::vector<std::string>{"No. 1: Move display(\torig_text = \"Name:\"\n)"}));
    EXPECT_EQ(document_.RedoLabels(customer).size(), 2u);
    const model::CDispText* moved = customer.FindDisplayByOriginalText("Name:");
    ASSERT_NE(moved, nullptr);
    EXPECT_TRUE(moved->IsMoved());

    // Switching entries discards the redo history.
    Entry("ORDER");
    Entry("CUSTOMER");
    EXPECT_FALSE(document_.CanRedo(customer));

    // A new command empties the redo list too.
    ASSERT_TRUE(document_.Undo(customer, sink_));
    EXPECT_TRUE(document_.CanRedo(customer));
    ASSERT_TRUE(Run(customer, "Suppress display", Text("Phone:")));
    EXPECT_FALSE(document_.CanRedo(customer));
}

TEST_F(DemoDocument, ClearingHistoriesDeletesEverySnapshot) {
    Open(false);
    model::CScreenModel& customer = Entry("CUSTOMER");
    ASSERT_TRUE(Run(customer, "Suppress display", Text("Phone:")));
    ASSERT_TRUE(Run(customer, "Suppress display", Text("Name:")));
    ASSERT_TRUE(document_.Undo(customer, sink_));
    const fs::path directory = document_.Workspace().WorkFiles().Path();
    auto snapshots = [&] {
        int count = 0;
        for (const auto& file : fs::directory_iterator(directory)) {
            const std::string name = file.path().filename().string();
            if (name.rfind("udo", 0) == 0 || name.rfind("rdo", 0) == 0) ++count;
        }
        return count;
    };
    EXPECT_EQ(snapshots(), 2);
    document_.ForgetEntry(customer);
    EXPECT_EQ(snapshots(), 0);
}

TEST_F(DemoDocument, AMessageBatchIsOneUndoStep) {
    Open(false);
    model::CScreenModel& customer = Entry("CUSTOMER");
    commands::CommandBatch batch;
    for (const char* text : {"Customer deleted", "Customer CUST-NO saved"}) {
        batch.Add(commands::MakeCommand(customer, "Modify message text", Text(text), {Q("x")}).command);
    }
    ASSERT_TRUE(document_.Run(customer, batch, sink_));
    EXPECT_EQ(document_.UndoLabels(customer).size(), 1u);
    EXPECT_NE(WorkFile(customer).find("Customer CUST-NO saved"), std::string::npos);
    ASSERT_TRUE(document_.Undo(customer, sink_));
    EXPECT_EQ(WorkFile(customer), "");
}

// The commands of one action share the held file's block index: changes of
// one item in a row, of several items, an added item and a removed block
// must leave what the same commands leave each as an action of its own.
TEST_F(DemoDocument, ABatchLeavesWhatItsCommandsLeaveOneActionEach) {
    Open(true);
    model::CScreenModel& customer = Entry("CUSTOMER");
    const Step steps[] = {
        {"Modify accept title", Named("CUST-NAME"), {Q("Client")}},
        {"Modify accept help", Named("CUST-NAME"), {Q("Who they are")}},
        {"Move accept", Named("CUST-NAME"), {B("5,24")}},
        {"Modify accept title", Named("CUST-NAME"), {Q("Client name")}},
        {"Modify accept help", Named("CUST-NAME"), {Q("Trading name")}},
        {"Change display text", Text("Name:"), {Q("Client:")}},
        {"Move accept", Named("CUST-ADDRESS"), {B("6,24")}},
        {"Add prompt", NoKey(), {Q("Notes"), B("20,5")}},
        {"Reset accept", Named("CUST-LIMIT"), {}},
        {"Modify accept help", Named("CUST-LIMIT"), {Q("Pounds")}},
        {"Modify accept trigger", Named("CUST-LIMIT"), {B("after_accept"), B("limit.sh"), B("command")}},
        {"Unsuppress accept", Named("CUST-PHONE"), {}},
        {"Modify accept title", Named("CUST-PHONE"), {Q("Telephone")}},
    };
    commands::CommandBatch batch;
    for (const Step& step : steps) {
        commands::MadeCommand made = commands::MakeCommand(customer, step.command, step.key, step.values);
        ASSERT_TRUE(made.command) << step.command << ": " << made.error;
        batch.Add(std::move(made.command));
    }
    const std::string before = WorkFile(customer);
    ASSERT_TRUE(document_.Run(customer, batch, sink_));
    const std::string oneAction = WorkFile(customer);
    ASSERT_TRUE(document_.Undo(customer, sink_));
    ASSERT_EQ(WorkFile(customer), before);
    for (const auto& command : batch.Commands()) ASSERT_TRUE(document_.Run(customer, *command, sink_));
    EXPECT_EQ(oneAction, WorkFile(customer));
    EXPECT_NE(oneAction, before);
    EXPECT_TRUE(sink_.Messages().empty()) << sink_.Messages().front();
}

TEST_F(DemoDocument, EditScreenFileAppliesAChangedCopyAsOneUndoStep) {
    Open(true);
    model::CScreenModel& menu = Entry("REPORTS-MENU");
    EXPECT_EQ(document_.EditScreenFile(menu, nullptr, sink_), EditResult::NoWorkFile);
    ASSERT_EQ(sink_.Messages().size(), 1u);
    EXPECT_EQ(sink_.Messages()[0], texts::kNoScfFile);

    model::CScreenModel& customer = Entry("CUSTOMER");
    const std::string before = WorkFile(customer);
    EXPECT_EQ(document_.EditScreenFile(customer, [](const std::string&) {}, sink_), EditResult::Unchanged);
    EXPECT_FALSE(document_.CanUndo(customer));

    const std::string edited = "window\n\t{\n\ttitle = \"By hand\"\n\t}\n";
    std::string seen;
    EXPECT_EQ(document_.EditScreenFile(
                  customer,
                  [&](const std::string& copy) {
                      seen = ReadFile(copy);
                      EXPECT_TRUE(customer.EditWindowOpen());
                      WriteFile(copy, edited);
                  },
                  sink_),
              EditResult::Applied);
    EXPECT_EQ(seen, before);
    EXPECT_EQ(WorkFile(customer), edited);
    EXPECT_EQ(customer.Title().Current(), "By hand");
    EXPECT_EQ(document_.UndoLabels(customer), (std::vector<std::string>{"No. 1: Edit screen file"}));
    EXPECT_FALSE(fs::exists(overrides::SiblingPath(customer.OverridePath(), ".txt")));
    ASSERT_TRUE(document_.Undo(customer, sink_));
    EXPECT_EQ(WorkFile(customer), before);
}

// Undoing the first step leaves an empty work file: editing it is an edit
// like any other (the empty copy once counted as a failed copy, dropped
// without a word, with the redo list kept).
TEST_F(DemoDocument, EditScreenFileTakesAnEmptyWorkFile) {
    Open(false);
    model::CScreenModel& customer = Entry("CUSTOMER");
    ASSERT_TRUE(Run(customer, "Modify screen title", NoKey(), {Q("Customers")}));
    ASSERT_TRUE(document_.Undo(customer, sink_));
    ASSERT_EQ(WorkFile(customer), "");
    ASSERT_TRUE(document_.CanRedo(customer));
    const std::string edited = "window\n\t{\n\ttitle = \"By hand\"\n\t}\n";
    EXPECT_EQ(document_.EditScreenFile(customer, [&](const std::string& copy) { WriteFile(copy, edited); }, sink_),
              EditResult::Applied);
    EXPECT_EQ(WorkFile(customer), edited);
    EXPECT_EQ(document_.UndoLabels(customer).size(), 1u);
    EXPECT_FALSE(document_.CanRedo(customer));
    EXPECT_TRUE(sink_.Messages().empty());
}

// A site's file on a share the user may not change: its working copy cannot
// be made beside it (here a directory stands where it would go). Before, the
// open failed without a word and the window stayed empty.
TEST_F(DemoDocument, AFileWithoutWorkingCopyShowsItsScreensReadOnlyUntilSavedElsewhere) {
    fs::create_directory(scratch_.Path() / "demo.bck");
    Open(true);
    ASSERT_TRUE(document_.ReadOnly());
    ASSERT_EQ(sink_.Messages().size(), 1u);
    EXPECT_NE(sink_.Messages()[0].find((scratch_.Path() / "demo.bck").string() + " (Is a directory)"),
              std::string::npos)
        << sink_.Messages()[0];
    model::CScreenModel& menu = Entry("MAIN-MENU");
    EXPECT_EQ(menu.Title().Current(), "Tessellar Trading");

    const std::string refusal = platform::FormatText(texts::kReadOnlyRefusal, overridePath_.c_str());
    sink_.Clear();
    EXPECT_FALSE(Run(menu, "Modify screen title", NoKey(), {Q("Changed")}));
    EXPECT_EQ(document_.EditScreenFile(menu, [](const std::string&) {}, sink_), EditResult::Failed);
    EXPECT_FALSE(document_.Save(sink_));
    EXPECT_EQ(sink_.Messages(), (std::vector<std::string>{refusal, refusal, refusal}));
    EXPECT_TRUE(document_.NeedsSaveAs());
    EXPECT_EQ(ReadFile(overridePath_), ReadFile(TESSELLAR_DEMO_OVERRIDES));

    // Save As to a writable place keeps the site's statements and lifts the lock.
    const std::string copy = (scratch_.Path() / "mine.scf").string();
    ASSERT_TRUE(document_.SaveAs(copy, sink_));
    EXPECT_FALSE(document_.ReadOnly());
    EXPECT_NE(ReadFile(copy).find("title = \"Tessellar Trading\""), std::string::npos);
    EXPECT_TRUE(Run(menu, "Modify screen title", NoKey(), {Q("Changed")}));
    ASSERT_TRUE(document_.Save(sink_));
    EXPECT_NE(ReadFile(copy).find("title = \"Changed\""), std::string::npos);
    EXPECT_EQ(ReadFile(overridePath_), ReadFile(TESSELLAR_DEMO_OVERRIDES));
}

// Save As once replaced a program or a README given as the target with a
// header line and the sections.
TEST_F(DemoDocument, SaveAsNeverWritesOverAFileThatIsNotAnOverrideFile) {
    Open(false);
    model::CScreenModel& customer = Entry("CUSTOMER");
    ASSERT_TRUE(Run(customer, "Modify screen title", NoKey(), {Q("Customers")}));
    const std::string readme = (scratch_.Path() / "notes.scf").string();
    WriteFile(readme, "# Notes\nCall the vendor on Monday.\n");
    sink_.Clear();
    EXPECT_FALSE(document_.SaveAs(readme, sink_));
    EXPECT_EQ(sink_.Messages(),
              (std::vector<std::string>{platform::FormatText(texts::kNotAnOverrideFile, readme.c_str())}));
    EXPECT_EQ(ReadFile(readme), "# Notes\nCall the vendor on Monday.\n");
    EXPECT_EQ(document_.OverridePath(), overridePath_);
    EXPECT_TRUE(document_.Modified());
}

TEST_F(DemoDocument, SaveWritesEveryKeptSectionInListOrder) {
    Open(false);
    model::CScreenModel& customer = Entry("CUSTOMER");
    model::CScreenModel& menu = Entry("REPORTS-MENU");
    ASSERT_TRUE(Run(menu, "Change menu text", Text("Back"), {Q("Return")}));
    ASSERT_TRUE(Run(customer, "Add prompt", NoKey(), {Q("Gone soon"), B("20,5")}));
    ASSERT_TRUE(Run(customer, "Suppress display", Prompt("Gone soon", 20, 5)));
    ASSERT_TRUE(Run(customer, "Suppress display", Text("Phone:")));
    ASSERT_TRUE(Run(customer, "Unsuppress display", Text("Phone:")));
    EXPECT_TRUE(document_.Modified());
    ASSERT_TRUE(document_.Save(sink_));
    EXPECT_FALSE(document_.Modified());
    // The prompt added and suppressed and the display suppressed and shown
    // again leave nothing: the customer section goes, header and all.
    EXPECT_EQ(ReadFile(overridePath_),
              "#ORVALE Screen Customiser File (Override statements only).\n"
              "menu REPORTS-MENU\n\t{\n\toption\n\t\t{\n\t\torig_text = \"Back\"\n\t\ttext = \"Return\"\n\t\t}\n\t}\n");
    EXPECT_TRUE(sink_.Messages().empty());

    ASSERT_TRUE(document_.SaveAs((scratch_.Path() / "copy.txt").string(), sink_));
    EXPECT_EQ(document_.OverridePath(), (scratch_.Path() / "copy.scf").string());
    EXPECT_EQ(ReadFile(document_.OverridePath()), ReadFile(overridePath_));
}

// A failure at any step of a save once left the user's file truncated.
TEST_F(DemoDocument, AFailureAtAnyStepOfASaveLeavesTheOldFileWhole) {
    Open(true);
    model::CScreenModel& customer = Entry("CUSTOMER");
    ASSERT_TRUE(Run(customer, "Modify screen title", NoKey(), {Q("Changed")}));
    const std::string original = ReadFile(overridePath_);

    platform::IoFaults counting;
    // The number of steps a save takes, counted on an identical save elsewhere.
    const std::string probe = (scratch_.Path() / "probe.scf").string();
    ASSERT_TRUE(overrides::SaveOverrideFile(document_.Workspace().Sections(), probe + ".bck", probe, sink_, counting));
    ASSERT_GT(counting.Steps(), 5u);
    for (std::size_t failing = 1; failing <= counting.Steps(); ++failing) {
        sink_.Clear();
        platform::IoFaults faults(failing);
        EXPECT_FALSE(document_.Save(sink_, faults)) << "step " << failing;
        EXPECT_EQ(ReadFile(overridePath_), original) << "step " << failing;
        EXPECT_TRUE(document_.Modified());
        ASSERT_EQ(sink_.Messages().size(), 1u);
        const std::string& message = sink_.Messages()[0];
        // A work file read that fails, or a write of the working copy or the file.
        EXPECT_TRUE(message.rfind("could not open ", 0) == 0 || message.find(" could not be saved: ") != std::string::npos)
            << message;
        for (const auto& file : fs::directory_iterator(scratch_.Path())) {
            EXPECT_EQ(file.path().filename().string().find(".new-"), std::string::npos) << file.path();
        }
    }
    ASSERT_TRUE(document_.Save(sink_));
    EXPECT_NE(ReadFile(overridePath_).find("title = \"Changed\""), std::string::npos);
}

// A save reads again only the work files changed since the last one; each
// way of changing a work file must make the next save read it, or the saved
// file would keep the old statements. After every step the document's save
// writes what a save reading every work file writes.
TEST_F(DemoDocument, ASaveAfterAnyChangeWritesWhatAFullSaveWrites) {
    Open(true);
    model::CScreenModel& customer = Entry("CUSTOMER");
    model::CScreenModel& order = Entry("ORDER");
    const std::string probe = (scratch_.Path() / "probe.scf").string();
    auto expectFullSave = [&](const char* after) {
        ASSERT_TRUE(document_.Save(sink_)) << after;
        ASSERT_TRUE(overrides::SaveOverrideFile(document_.Workspace().Sections(), probe + ".bck", probe, sink_))
            << after;
        EXPECT_EQ(ReadFile(document_.OverridePath()), ReadFile(probe)) << after;
    };
    expectFullSave("opening");
    ASSERT_TRUE(Run(customer, "Modify screen title", NoKey(), {Q("First")}));
    expectFullSave("a command");
    ASSERT_TRUE(Run(order, "Modify screen title", NoKey(), {Q("Other")}));
    ASSERT_TRUE(Run(customer, "Suppress display", Text("Phone:")));
    expectFullSave("commands on two entries");
    ASSERT_TRUE(document_.Undo(customer, sink_));
    expectFullSave("an undo");
    ASSERT_TRUE(document_.Redo(customer, sink_));
    expectFullSave("a redo");
    EXPECT_EQ(document_.EditScreenFile(
                  customer, [](const std::string& copy) { WriteFile(copy, "window\n\t{\n\ttitle = \"Hand\"\n\t}\n"); },
                  sink_),
              EditResult::Applied);
    expectFullSave("a hand edit");
    EXPECT_NE(ReadFile(document_.OverridePath()).find("title = \"Hand\""), std::string::npos);
    ASSERT_TRUE(document_.SaveAs((scratch_.Path() / "other.scf").string(), sink_));
    ASSERT_TRUE(Run(customer, "Modify screen title", NoKey(), {Q("Moved")}));
    expectFullSave("a save under another name");
    EXPECT_TRUE(sink_.Messages().empty());
}

TEST_F(DemoDocument, OpeningAnotherOverrideFileSavesFirst) {
    Document empty(scratch_.Path().string());
    EXPECT_FALSE(empty.OpenAnotherOverrideFile("x.scf", sink_));
    ASSERT_EQ(sink_.Messages().size(), 1u);
    EXPECT_EQ(sink_.Messages()[0], texts::kOpenProgramFirst);

    Open(false);
    model::CScreenModel& customer = Entry("CUSTOMER");
    ASSERT_TRUE(Run(customer, "Modify screen title", NoKey(), {Q("Kept")}));
    const std::string other = (scratch_.Path() / "other.op6").string();
    WriteFile((scratch_.Path() / "other.scf").string(), "screen CUSTOMER\n\t{\n\twindow\n\t\t{\n\t\ttitle = \"Other\"\n\t\t}\n\t}\n");
    ASSERT_TRUE(document_.OpenAnotherOverrideFile(other, sink_));
    EXPECT_NE(ReadFile(overridePath_).find("title = \"Kept\""), std::string::npos);
    EXPECT_EQ(document_.OverridePath(), (scratch_.Path() / "other.scf").string());
    document_.ReloadEntry(customer, sink_);
    EXPECT_EQ(customer.Title().Current(), "Other");
    EXPECT_FALSE(document_.CanUndo(customer));
}

}  // namespace
}  // namespace document::testing
