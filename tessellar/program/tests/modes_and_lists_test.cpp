// The mode line, the program's modes, a mode order given to the
// application, and the field lists.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tessellar/program/mode_filter.h"
#include "tessellar/program/tests/decode_fixture.h"

namespace program {
namespace {

using opimage::Text;

std::vector<std::string> Labels(const model::ItemList<model::CModeItem>& modes) {
    std::vector<std::string> labels;
    for (const model::CModeItem& mode : modes) labels.push_back(mode.label.Current());
    return labels;
}

std::vector<int> Columns(const model::ItemList<model::CModeItem>& modes) {
    std::vector<int> columns;
    for (const model::CModeItem& mode : modes) columns.push_back(mode.position.column);
    return columns;
}

std::vector<std::string> Names(const model::ItemList<model::CFieldEntry>& fields) {
    std::vector<std::string> names;
    for (const model::CFieldEntry& field : fields) names.push_back(field.name);
    return names;
}

opimage::Program ModeProgram() {
    opimage::Program program;
    program.modes = {{.name = "ADD", .label = Text("Add"), .help = Text("Add a record")},
                     {.name = "FIND", .label = Text("Find")},
                     {.name = "REVIEW", .label = Text("Review"), .flags = 0x100},
                     {.name = "LOCAL", .hasIdentifier = false, .label = Text("Local"), .programWide = false}};
    opimage::Entry entry{.name = "CUSTOMER", .modeLineRow = 21, .modeLineColumn = 3, .top = 2, .left = 1};
    entry.modes = {"ADD", "REVIEW", "FIND", "LOCAL"};
    entry.variableGroup = opimage::VariableGroup{.name = "CUSTOMERS", .sourceLetter = 'I'};
    program.entries.push_back(entry);
    return program;
}

TEST_F(DecodeTest, ModesThatApplyAreLinedUpFromTheModeLineColumn) {
    const model::CScreenModel& screen = Decode(ModeProgram());
    // "REVIEW" needs a review screen.
    EXPECT_EQ(Labels(screen.Modes()), (std::vector<std::string>{"Add", "Find", "Local"}));
    EXPECT_EQ(Columns(screen.Modes()), (std::vector<int>{2, 6, 11}));
    EXPECT_EQ(screen.Modes()[0].width, 4);
    EXPECT_EQ(screen.Modes()[0].position.row, 19);
    EXPECT_EQ(screen.Modes()[0].identification, model::IdentificationKind::Name);
    EXPECT_EQ(screen.Modes()[0].help.Original(), "Add a record");
    // Without an identifier a mode is known by its label.
    EXPECT_EQ(screen.Modes()[2].identification, model::IdentificationKind::OriginalText);

    EXPECT_EQ(Labels(screen.Modes(model::ModeList::ProgramWide)), (std::vector<std::string>{"Add", "Find", "Review"}));
    EXPECT_EQ(screen.Modes(model::ModeList::ProgramWide)[0].width, 3);
    EXPECT_FALSE(screen.Modes(model::ModeList::ProgramWide)[0].position.IsSet());
}

TEST_F(DecodeTest, AnEntryWithoutRecordSourceShowsNoModes) {
    opimage::Program program = ModeProgram();
    program.entries[0].variableGroup.reset();
    EXPECT_TRUE(Decode(program).Modes().Empty());
}

TEST_F(DecodeTest, TheModeFilterFollowsTheEntrysKindAndRecordSource) {
    struct Row {
        const char* why;
        std::uint16_t flags;
        char letter;
        std::uint8_t byte66;
        std::uint8_t kindFlags;
        bool shown;
    };
    const Row rows[] = {
        {"plain mode", 0x0000, 'I', 0x00, 0x00, true},
        {"review mode on a screen without review", 0x0080, 'I', 0x00, 0x00, false},
        {"record mode on an entry with bit 3 of its kind byte", 0x0010, 'I', 0x00, 0x08, false},
        {"record mode on a source neither I nor M", 0x0010, 'S', 0x00, 0x00, false},
        {"record mode from memory", 0x0010, 'M', 0x00, 0x00, true},
        {"group mode on a group source", 0x0008, 'I', 0x00, 0x00, true},
        {"mode that needs bit 3 of byte 66", 0x0020, 'I', 0x00, 0x00, false},
        {"mode that has bit 3 of byte 66", 0x0020, 'I', 0x08, 0x00, true},
    };
    for (const Row& row : rows) {
        opimage::Program program;
        program.modes = {{.name = "M", .label = Text("M"), .flags = row.flags}};
        opimage::Entry entry{.name = "S", .kindByteFlags = row.kindFlags, .modeFilterBits = row.byte66};
        entry.modes = {"M"};
        entry.variableGroup = opimage::VariableGroup{.name = "G", .sourceLetter = row.letter};
        program.entries.push_back(entry);
        const opimage::Image image = opimage::Write(program);
        const ProgramImage bytes(image.bytes);
        EXPECT_EQ(ModeApplies(bytes, image.layout.entries[0].offset, image.layout.modes.at("M")), row.shown)
            << row.why;
    }
}

TEST_F(DecodeTest, AnApplicationModeOrderRebuildsTheModeLineOfItsScreen) {
    const DecodeInputs order{ApplicationModeOrder{.screenName = "CUSTOMER", .modes = "FIND,NEW,,ADD,"}};
    const model::CScreenModel& screen = Decode(ModeProgram(), 0, order);
    EXPECT_EQ(Labels(screen.Modes()), (std::vector<std::string>{"Find", "NEW", "", "Add"}));
    EXPECT_EQ(Columns(screen.Modes()), (std::vector<int>{2, 7, 11, 12}));
    EXPECT_EQ(screen.Modes()[1].identifier, "NEW");
    EXPECT_EQ(screen.Modes()[3].help.Original(), "Add a record");
    EXPECT_EQ(Labels(screen.SetAsideModes()), (std::vector<std::string>{"Add", "Find", "Local"}));

    const DecodeInputs empty{ApplicationModeOrder{.screenName = "CUSTOMER", .modes = ""}};
    EXPECT_TRUE(Decode(ModeProgram(), 0, empty).Modes().Empty());
    const DecodeInputs other{ApplicationModeOrder{.screenName = "ORDERS", .modes = "FIND"}};
    EXPECT_EQ(Decode(ModeProgram(), 0, other).Modes().Size(), 3u);
}

TEST_F(DecodeTest, AFileDefinitionListsItsFlaggedKeysAndFields) {
    opimage::Program program;
    program.globals = {{.name = "TODAY", .sizeWord = opimage::NumericSize(opimage::kBinary, 4, 0), .type = 'D'}};
    program.variables = {{.name = "CODE", .sizeWord = 8, .attributes = 0x0200}, {.name = "NAME", .sizeWord = 30}};
    opimage::Entry entry{.name = "S"};
    entry.fileDefinition = opimage::FileDefinition{
        .keys = {{.group = {.variables = {"CODE"}}}, {.group = {.variables = {"UNLISTED-KEY"}}, .listed = false}},
        .fields = {{.variable = "NAME"},
                   {.variable = "NOT-LISTED", .listed = false},
                   {.variable = "EXCLUDED", .furtherByte = 1},
                   {.variable = "REGARDLESS", .listedRegardless = true, .furtherByte = 1},
                   {.variable = "NO-FURTHER", .furtherByte = std::nullopt}}};
    entry.locals = {{.name = "CONFIRM", .sizeWord = 1}};
    entry.body = {opimage::Display({.text = opimage::Var("NAME")})};
    program.entries.push_back(entry);
    const model::CScreenModel& screen = Decode(program);

    const auto& source = screen.Fields(model::FieldList::RecordSource);
    EXPECT_EQ(Names(source), (std::vector<std::string>{"CODE", "NAME", "REGARDLESS", "NO-FURTHER"}));
    EXPECT_EQ(source[0].attributes, model::attribute::kBackground | model::attribute::kRight);
    EXPECT_TRUE(source[1].shownByDisplay);
    EXPECT_FALSE(source[0].shownByDisplay);
    EXPECT_EQ(Names(screen.Fields(model::FieldList::ScreenLocal)), std::vector<std::string>{"CONFIRM"});
    const auto& globals = screen.Fields(model::FieldList::Program);
    ASSERT_EQ(Names(globals), std::vector<std::string>{"TODAY"});
    EXPECT_EQ(globals[0].width, 11);
    EXPECT_EQ(globals[0].defaultPicture, "DD-MMM-YYYY");
}

TEST_F(DecodeTest, AVariableGroupListsItsVariablesUnderItsName) {
    opimage::Entry entry{.name = "S"};
    entry.variableGroup = opimage::VariableGroup{.name = "ORDERS", .variables = {"ORDER-NO", "ORDER-NO", "TOTAL"}};
    const model::CScreenModel& screen = DecodeBody({}, entry);
    EXPECT_EQ(screen.RecordSourceCaption(), "ORDERS:");
    // A field met twice is one entry.
    EXPECT_EQ(Names(screen.Fields(model::FieldList::RecordSource)), (std::vector<std::string>{"ORDER-NO", "TOTAL"}));
}

}  // namespace
}  // namespace program
