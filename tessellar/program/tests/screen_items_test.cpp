// Entry fields, displays, boxes, options and confirms as decoding makes
// them: how each is identified, placed and sized, and which statements
// hold items at all.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tessellar/program/tests/decode_fixture.h"

namespace program {
namespace {

using model::IdentificationKind;
using opimage::Accept;
using opimage::Display;
using opimage::kComputed;
using opimage::Text;
using opimage::Var;

std::vector<std::string> AcceptNames(const model::CScreenModel& screen) {
    std::vector<std::string> names;
    for (const model::CAcceptFld& field : screen.Accepts()) names.push_back(field.name);
    return names;
}

std::vector<IdentificationKind> DisplayKinds(const model::CScreenModel& screen) {
    std::vector<IdentificationKind> kinds;
    for (const model::CDispText& display : screen.Displays()) kinds.push_back(display.identification);
    return kinds;
}

TEST_F(DecodeTest, OnlyBlocksAreEnteredForScreenItems) {
    const model::CScreenModel& screen = DecodeBody({
        opimage::Block({Accept({.variable = "IN-BLOCK"}), opimage::Block({Accept({.variable = "DEEPER"})})}),
        opimage::TwoBranch({Accept({.variable = "IN-BRANCH"})}, {Accept({.variable = "IN-ELSE"})}),
        opimage::Loop({Accept({.variable = "IN-LOOP"})}),
        opimage::MultiBranch({Accept({.variable = "IN-CASE"})}, {{Accept({.variable = "IN-ALTERNATIVE"})}}),
        Accept({.variable = "AT-TOP"}),
    });
    EXPECT_EQ(AcceptNames(screen), (std::vector<std::string>{"IN-BLOCK", "DEEPER", "AT-TOP"}));
}

TEST_F(DecodeTest, AcceptFieldsAreIdentifiedByTagByNameOrWhenNamesRepeatByCoordinate) {
    const model::CScreenModel& screen = DecodeBody({
        Accept({.row = 3, .column = 10, .variable = "CODE", .tag = 7}),
        Accept({.row = 4, .column = 10, .variable = "NAME"}),
        Accept({.row = 5, .column = 10, .variable = "LINE"}),
        Accept({.row = 6, .column = 10, .variable = "LINE"}),
    });
    const auto& fields = screen.Accepts();
    EXPECT_EQ(fields[0].identification, IdentificationKind::Tag);
    EXPECT_EQ(fields[0].tag, 7);
    EXPECT_EQ(fields[1].identification, IdentificationKind::Name);
    EXPECT_EQ(fields[2].identification, IdentificationKind::OriginalCoordinate);
    EXPECT_EQ(fields[3].identification, IdentificationKind::OriginalCoordinate);
}

TEST_F(DecodeTest, AnAcceptFieldKeepsItsCompiledCoordinateAndAPositionFromTheOrigin) {
    opimage::Program program;
    program.variables = {{.name = "AMOUNT", .sizeWord = opimage::NumericSize(opimage::kDisplayDigits, 7, 2, true),
                          .type = 'N'},
                         {.name = "WHEN", .sizeWord = opimage::NumericSize(opimage::kBinary, 4, 0), .type = 'D'}};
    program.entries.push_back({.name = "S", .top = 2, .left = 3, .body = {
        Accept({.row = 5, .column = 20, .variable = "AMOUNT", .picture = "S9(7).99", .help = Text("Amount due"),
                .title = Text("Amount")}),
        Accept({.row = kComputed | 9, .column = 30, .variable = "WHEN", .pictureExpression = true,
                .suppressed = true, .displayWidth = 9}),
        Accept({.row = 7, .column = 4, .variable = "NOTE", .subscript = opimage::Subscript(3)}),
        Accept({.row = 8, .column = 4, .variable = "NOTE", .subscript = Var("I")}),
    }});
    const model::CScreenModel& screen = Decode(program);
    const model::CAcceptFld& amount = screen.Accepts()[0];
    EXPECT_EQ(amount.compiled, (model::CellPosition{5, 20}));
    EXPECT_EQ(amount.position.Original(), (model::CellPosition{3, 17}));
    EXPECT_EQ(amount.width.Original(), 11);  // 7 + 2 digits, a point and a sign
    EXPECT_EQ(amount.picture.Original(), "S9(7).99");
    EXPECT_EQ(amount.defaultPicture, "S9(7)V9(2)");
    EXPECT_EQ(amount.typeLetter, 'N');
    EXPECT_EQ(amount.help.Original(), "Amount due");
    EXPECT_EQ(amount.title.Original(), "Amount");
    EXPECT_TRUE(amount.titled);
    EXPECT_FALSE(amount.suppressed.Current());

    const model::CAcceptFld& when = screen.Accepts()[1];
    EXPECT_EQ(when.compiled, (model::CellPosition{1, 30}));  // a computed row counts as 1
    EXPECT_EQ(when.width.Original(), 9);
    EXPECT_EQ(when.picture.Original(), "<expression>");
    EXPECT_TRUE(when.suppressedInProgram);
    EXPECT_TRUE(when.suppressed.Original());
    EXPECT_FALSE(when.titled);

    EXPECT_EQ(screen.Accepts()[2].name, "NOTE[3]");
    EXPECT_EQ(screen.Accepts()[2].picture.Original(), "x");
    EXPECT_EQ(screen.Accepts()[3].name, "");  // a run-time index cannot be shown
}

TEST_F(DecodeTest, AllowedAndDisallowedValuesBecomeTheirTexts) {
    const std::uint16_t number = opimage::NumericSize(opimage::kBinary, 3, 0);
    const model::CScreenModel& screen = DecodeBody({
        Accept({.variable = "STATUS",
                .allowed = {{.value = opimage::Literal("A")}, {.value = opimage::Literal("H")}},
                .disallowed = {{.value = opimage::Number(1, number), .rangeEnd = opimage::Number(999, number)}}}),
    });
    EXPECT_EQ(screen.Accepts()[0].allowed.Original(), "Allowed - A, H");
    EXPECT_EQ(screen.Accepts()[0].disallowed.Original(), "Disallowed -   1 -> 999");
}

TEST_F(DecodeTest, DisplaysAreIdentifiedByTheirTextsSource) {
    const model::CScreenModel& screen = DecodeBody({
        Display({.row = 2, .text = Text("Name:")}),
        Display({.row = 3, .text = Var("TOTAL")}),
        Display({.row = 4, .text = Var("TOTAL")}),
        Display({.row = 5, .text = Text("Total:")}),
        Display({.row = 6, .text = Text("Total:")}),
        Display({.row = 7, .text = opimage::Expr()}),
        Display({.row = 8, .text = Var("LINE", Var("I"))}),
        Display({.row = 9, .text = Var("CODE"), .longForm = true, .tag = 12}),
    });
    EXPECT_EQ(DisplayKinds(screen),
              (std::vector<IdentificationKind>{
                  IdentificationKind::OriginalText, IdentificationKind::OriginalCoordinate,
                  IdentificationKind::OriginalCoordinate, IdentificationKind::OriginalCoordinate,
                  IdentificationKind::OriginalCoordinate, IdentificationKind::OriginalCoordinate,
                  IdentificationKind::OriginalCoordinate, IdentificationKind::Tag}));
    EXPECT_EQ(screen.Displays()[1].name, "TOTAL");
    EXPECT_TRUE(screen.Displays()[1].dataDisplay);
    EXPECT_FALSE(screen.Displays()[0].dataDisplay);
    EXPECT_EQ(screen.Displays()[5].text.Original(), "<expression>");
    EXPECT_EQ(screen.Displays()[7].tag, 12);
}

TEST_F(DecodeTest, ADisplayIsAsWideAsItsFieldOrItsOperand) {
    opimage::Program program;
    program.variables = {{.name = "PRICE", .sizeWord = opimage::NumericSize(opimage::kPacked, 5, 2), .type = 'N'},
                         {.name = "CODE", .sizeWord = 6}};
    program.entries.push_back({.name = "S", .body = {
        Display({.text = Text("Total", 12)}),
        Display({.text = Var("CODE")}),
        Display({.text = Var("PRICE")}),
        Display({.text = Var("PRICE"), .displayWidth = 4}),
        Display({.text = opimage::Expr()}),
        Display({.text = Text(std::string(120, 'x'))}),
    }});
    const model::CScreenModel& screen = Decode(program);
    std::vector<int> widths;
    for (const model::CDispText& display : screen.Displays()) widths.push_back(display.width.Original());
    // A number's size word is no length: it takes its digits, the point and nothing more.
    EXPECT_EQ(widths, (std::vector<int>{12, 6, 8, 4, 12, 99}));
    EXPECT_EQ(screen.Displays()[5].text.Original().size(), 79u);
}

TEST_F(DecodeTest, AttributeWordsGiveFlagsPromptMarksAndColours) {
    const model::CScreenModel& screen = DecodeBody({
        Display({.text = Text("Name:"), .attributes = 0x0200}),
        Display({.text = Text("Total"), .attributes = 0x0220}),
        Display({.text = Var("ALERT"), .attributes = 0x0100}),
        Display({.text = Var("PLAIN")}),
    });
    const auto& displays = screen.Displays();
    EXPECT_EQ(displays[0].attributes.Original(), model::attribute::kBackground | model::attribute::kRight);
    EXPECT_TRUE(displays[0].promptMark);
    EXPECT_EQ(displays[0].colours.Original(), (model::ColourPair{model::colour::kBlack, model::colour::kSilver}));
    EXPECT_EQ(displays[1].attributes.Original(), model::attribute::kBold);
    EXPECT_FALSE(displays[1].promptMark);
    EXPECT_EQ(displays[2].colours.Original(), (model::ColourPair{model::colour::kWhite, model::colour::kNavy}));
    EXPECT_EQ(displays[3].colours.Current(), (model::ColourPair{model::colour::kNavy, model::colour::kSilver}));
}

TEST_F(DecodeTest, AScaleOutsideFiftyToAThousandIsAHundred) {
    std::vector<int> scales;
    for (std::uint32_t stored : {150u, 40u, 50u, 1000u, 1001u, kComputed | 150u}) {
        const model::CScreenModel& screen = DecodeBody({Display({.text = Var("V"), .longForm = true, .scale = stored})});
        scales.push_back(screen.Displays()[0].scale.Original());
    }
    EXPECT_EQ(scales, (std::vector<int>{150, 100, 50, 1000, 100, 100}));
}

TEST_F(DecodeTest, ABoxBelowAnyRowTheCompilerMeantEndsAboveTheFramesBottom) {
    const model::CScreenModel& screen = DecodeBody(
        {opimage::Box({.top = 3, .left = 2, .bottom = 400, .right = 60, .title = opimage::Literal("Lines")}, true),
         opimage::Box({.top = 4, .left = 5, .bottom = 9, .right = 30,
                       .title = opimage::Number(42, opimage::NumericSize(opimage::kBinary, 3, 0))})},
        {.top = 2, .left = 1, .bottom = 20});
    const model::CBoxItem& box = screen.Boxes()[0];
    EXPECT_EQ(box.compiled, (model::BoxCorners{2, 3, 60, 21 - 1}));
    EXPECT_EQ(box.corners.Original(), (model::BoxCorners{1, 1, 59, 18}));
    EXPECT_EQ(box.title.Original(), "Lines");
    EXPECT_TRUE(box.statementFlag);
    EXPECT_EQ(screen.Boxes()[1].title.Original(), " 42");
    EXPECT_FALSE(screen.Boxes()[1].statementFlag);
}

TEST_F(DecodeTest, OptionsWithoutAWidthTakeTheLongestLabel) {
    const model::CScreenModel& screen = DecodeBody({
        opimage::Option({.row = 5, .text = Text("Yes"), .help = Text("Agree")}),
        opimage::Option({.row = 6, .text = Text("No")}),
        opimage::Option({.row = 7, .text = Text("Cancel"), .pictureNumber = 12}),
        opimage::Option({.row = 8, .noText = true, .pictureNumber = kComputed}),
    });
    for (const model::COptionItem& option : screen.Options()) EXPECT_EQ(option.width, 6);
    EXPECT_EQ(screen.Options()[0].help.Original(), "Agree");
    EXPECT_EQ(screen.Options()[0].identification, IdentificationKind::OriginalText);
    EXPECT_EQ(screen.Options()[2].pictureNumber, 12);
    EXPECT_TRUE(screen.Options()[3].noText);
    EXPECT_EQ(screen.Options()[3].identification, IdentificationKind::None);
    EXPECT_EQ(screen.Options()[3].pictureNumber, 4);

    const model::CScreenModel& fixed = DecodeBody({opimage::Option({.text = Text("Yes")})}, {.optionWidth = 10});
    EXPECT_EQ(fixed.Options()[0].width, 10);
}

TEST_F(DecodeTest, OptionsLabelledByTheSameVariableAreIdentifiedByCoordinate) {
    const model::CScreenModel& screen = DecodeBody({
        opimage::Option({.row = 5, .text = Var("CHOICE")}),
        opimage::Option({.row = 6, .text = Var("CHOICE")}),
        opimage::Option({.row = 7, .text = Var("OTHER")}),
    });
    EXPECT_EQ(screen.Options()[0].identification, IdentificationKind::OriginalCoordinate);
    EXPECT_EQ(screen.Options()[1].identification, IdentificationKind::OriginalCoordinate);
    EXPECT_EQ(screen.Options()[2].identification, IdentificationKind::Name);
    EXPECT_EQ(screen.Options()[2].name, "OTHER");
}

TEST_F(DecodeTest, AConfirmTakesItsQuestionAndDefaultAnswer) {
    const model::CScreenModel& screen = DecodeBody({
        opimage::Confirm({.row = 20, .column = 10, .question = {.text = "Leave?"}, .defaultAnswer = 'y'}),
        opimage::Confirm({.question = {.text = "Delete?"}, .defaultAnswer = 'N'}),
        opimage::Confirm({.defaultAnswer = 'x'}),
    });
    EXPECT_EQ(screen.Confirms()[0].question.Original(), "Leave?");
    EXPECT_EQ(screen.Confirms()[0].defaultAnswer.Original(), "yes");
    EXPECT_EQ(screen.Confirms()[0].compiled, (model::CellPosition{20, 10}));
    EXPECT_EQ(screen.Confirms()[1].defaultAnswer.Original(), "no");
    EXPECT_EQ(screen.Confirms()[2].defaultAnswer.Original(), "");
    EXPECT_EQ(screen.Confirms()[2].question.Original(), "");
}

TEST_F(DecodeTest, AnIllegalTextNumberIsReportedAndDecodingGoesOn) {
    const model::CScreenModel& screen = DecodeBody({
        Display({.text = opimage::TextNumber(900, 5)}),
        Accept({.variable = "AFTER"}),
    });
    EXPECT_EQ(sink.Messages(), std::vector<std::string>{"Internal error: illegal text number"});
    EXPECT_EQ(screen.Displays()[0].text.Original(), "");
    EXPECT_EQ(AcceptNames(screen), std::vector<std::string>{"AFTER"});
}

}  // namespace
}  // namespace program
