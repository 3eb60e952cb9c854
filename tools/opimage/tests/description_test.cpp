#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tools/opimage/description.h"
#include "tools/opimage/image.h"
#include "tools/opimage/tests/image_bytes.h"

namespace opimage {
namespace {

// The same program written by hand through the API and as a description must
// give the same bytes; this covers the operand, size and statement syntax.
TEST(Description, WritesTheSameImageAsTheApi) {
    const char* text = R"opt(
text "spare"
global QTY size SD5.2 type N
variable CODE size 8
mode ADD label "Add" help "Add one"
mode HIDE screenonly noid label textno:0/4

screen ORDERS {                 # a comment
  title "Orders"
  frame 2 1 expr 0
  review
  area 6 1 10
  modes ADD, HIDE
  local COUNT size B4
  group G letter M CODE QTY
  body {
    display 3 4 "Code:" attr 0x200
    accept 3 20 CODE[2] picture "x(8)" tag 5 {
      help "The code"/40
      allowed "A" -> "M", lit:"Z"/1
      run44 {
        message "x" var:COUNT
      }
    }
    display 4 4 var:QTY size SD5.2 type N coltitle "Qty"
    if {
      abort expr:7 num:12.5
    } else {
      op 99
    }
  }
}
menu MAIN optionwidth 12 {
  body {
    option 3 3 notext
    confirm 5 5 "Sure?" default Y {
      run {
        acknowledge "ok" prompt "Press Return"
      }
    }
  }
}
)opt";
    std::string error;
    const std::optional<Program> parsed = ParseDescription(text, error);
    ASSERT_TRUE(parsed) << error;

    Program built;
    built.texts = {"spare"};
    built.globals = {{.name = "QTY", .sizeWord = NumericSize(kDisplayDigits, 5, 2, true), .type = 'N'}};
    built.variables = {{.name = "CODE", .sizeWord = 8}};
    built.modes = {{.name = "ADD", .label = Text("Add"), .help = Text("Add one")},
                   {.name = "HIDE", .hasIdentifier = false, .label = TextNumber(0, 4), .programWide = false}};
    AcceptRecord accept{.row = 3, .column = 20, .variable = "CODE", .subscript = Subscript(2), .picture = "x(8)",
                        .help = Text("The code", 40),
                        .allowed = {{.value = Text("A"), .rangeEnd = Text("M")}, {.value = Literal("Z", 1)}},
                        .tag = 5, .runChain = {{Message({Text("x"), Var("COUNT")})}}};
    built.entries = {
            {.name = "ORDERS", .reviewWord = kReviewScreen, .reviewBoxHeight = 1, .reviewRepeat = 10,
             .reviewFirstRow = 6, .top = 2, .left = 1, .bottom = kComputed, .right = 0, .modes = {"ADD", "HIDE"},
             .variableGroup = VariableGroup{.name = "G", .variables = {"CODE", "QTY"}, .sourceLetter = 'M'},
             .body = {Display({.row = 3, .column = 4, .text = Text("Code:"), .attributes = 0x200}), Accept(accept),
                      Display({.row = 4, .column = 4, .text = Var("QTY"), .sizeWord = NumericSize(kDisplayDigits, 5, 2, true),
                               .type = 'N', .longForm = true, .columnTitle = Text("Qty")}),
                      TwoBranch({Abort({Expr(7), Number(12.5, NumericSize(kBinary, 4, 1))})}, {Other(99)})},
             .locals = {{.name = "COUNT", .sizeWord = NumericSize(kBinary, 4, 0)}},
             .title = Text("Orders")},
            {.kind = EntryKind::Menu, .name = "MAIN",
             .body = {Option({.row = 3, .column = 3, .noText = true}),
                      Confirm({.row = 5, .column = 5, .question = {.text = "Sure?"}, .defaultAnswer = 'Y',
                               .runLists = {{Acknowledge({Text("ok")}, Text("Press Return"))}}})},
             .optionWidth = 12}};

    EXPECT_EQ(Write(*parsed).bytes, Write(built).bytes);
}

struct ErrorRow {
    const char* name;
    const char* text;
    int line;
    const char* message;
};

// Test listings show the row's name instead of its bytes.
void PrintTo(const ErrorRow& row, std::ostream* out) { *out << row.name; }

class DescriptionErrors : public ::testing::TestWithParam<ErrorRow> {};

TEST_P(DescriptionErrors, NameTheLineAndTheProblem) {
    const ErrorRow& row = GetParam();
    DescriptionError error;
    EXPECT_FALSE(ParseDescription(row.text, error));
    EXPECT_EQ(error.line, row.line);
    EXPECT_NE(error.message.find(row.message), std::string::npos) << error.message;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DescriptionErrors,
    ::testing::Values(
        ErrorRow{"UnknownStatement", "screen S {\n  body {\n    dance 1 1\n  }\n}\n", 3, "unknown statement 'dance'"},
        ErrorRow{"UnknownAttribute", "screen S {\n  body {\n    display 1 1 \"x\" colour red\n  }\n}\n", 3,
                 "unknown attribute 'colour' of a display"},
        ErrorRow{"UnterminatedString", "text \"open\n", 1, "unterminated string"},
        ErrorRow{"UnclosedBlock", "screen S {\n  body {\n  }\n", 1, "never closed"},
        ErrorRow{"StrayClose", "}\n", 1, "without an open block"},
        ErrorRow{"UndeclaredVariableUsedEarlier", "screen S {\n  body {\n    accept 1 1 NOPE\n  }\n}\nglobal X\n",
                 3, "unknown variable 'NOPE'"},
        ErrorRow{"LocalOfAnotherEntry", "screen A {\n  local L\n}\nscreen B {\n  group G L\n}\n", 5,
                 "unknown variable 'L'"},
        ErrorRow{"UnknownMode", "screen S modes ADD, GONE\nmode ADD\n", 1, "unknown mode 'GONE'"},
        ErrorRow{"BadNumber", "screen S {\n  body {\n    box 1 x 3 4\n  }\n}\n", 3, "expected a number for left column"},
        ErrorRow{"BadSizeWord", "global X size Q7\n", 1, "expected a size word"},
        ErrorRow{"MissingOperand", "screen S {\n  body {\n    display 1 1\n  }\n}\n", 3, "missing displayed text"},
        ErrorRow{"WrongContinuation", "screen S {\n  body {\n    if {\n    } when {\n    }\n  }\n}\n", 4,
                 "'if' takes no '} when {'"},
        ErrorRow{"ByteOutOfRange", "screen S byte66 300\n", 1, "out of range"},
        ErrorRow{"TwiceDeclared", "global X\nvariable X\n", 2, "declared twice"}),
    [](const auto& info) { return std::string(info.param.name); });

std::string ReadDemo() {
    std::ifstream in(OPIMAGE_DEMO_DESCRIPTION);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Description, DemoProgramParsesAndWrites) {
    const std::string text = ReadDemo();
    ASSERT_FALSE(text.empty()) << "cannot read " << OPIMAGE_DEMO_DESCRIPTION;
    std::string error;
    const std::optional<Program> program = ParseDescription(text, error);
    ASSERT_TRUE(program) << error;

    std::vector<std::pair<std::string, EntryKind>> entries;
    for (const Entry& entry : program->entries) entries.emplace_back(entry.name, entry.kind);
    EXPECT_EQ(entries, (std::vector<std::pair<std::string, EntryKind>>{
                           {"MAIN-MENU", EntryKind::Menu},
                           {"CUSTOMER", EntryKind::Screen},
                           {"ORDER", EntryKind::Screen},
                           {"ORDER-REVIEW", EntryKind::Screen},
                           {"ORDER-LINES", EntryKind::Screen},
                           {"REPORTS-MENU", EntryKind::Menu},
                           {"PRINT-STATEMENT", EntryKind::Procedure},
                           {"NIGHTLY-UPDATE", EntryKind::Procedure}}));
    EXPECT_EQ(program->entries[3].reviewWord, kReviewScreen);
    EXPECT_EQ(program->entries[4].reviewWord, kDataGrid);

    const Image image = Write(*program);
    EXPECT_FALSE(image.layout.overflowed);
    EXPECT_EQ(testing::U32(image.bytes, 51), image.bytes.size());
}

}  // namespace
}  // namespace opimage
