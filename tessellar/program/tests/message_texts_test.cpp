// The message texts of an entry, gathered from every depth of its lists.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tessellar/program/tests/decode_fixture.h"

namespace program {
namespace {

using opimage::Message;
using opimage::Text;

std::vector<std::string> Texts(const model::CScreenModel& screen) {
    std::vector<std::string> texts;
    for (const model::CMessageItem& message : screen.Messages()) texts.push_back(message.text.Original());
    return texts;
}

TEST_F(DecodeTest, MessagesAreFoundInEveryBranchLoopConfirmAndField) {
    opimage::Entry entry{.name = "S"};
    entry.body = {
        opimage::TwoBranch({Message({Text("then")})}, {Message({Text("else")})}),
        opimage::Accept({.variable = "F",
                         .runList = {Message({Text("field 35")})},
                         .runChain = {{Message({Text("field 44 a")})}, {Message({Text("field 44 b")})}},
                         .secondRunList = {Message({Text("field 63")})}}),
        opimage::MultiBranch({Message({Text("case")})}, {{Message({Text("when 1")})}, {Message({Text("when 2")})}},
                             {{Message({Text("otherwise")})}}),
        opimage::Confirm({.runLists = {{Message({Text("yes")})}, {}, {}, {Message({Text("no")})}}}),
        opimage::Loop({Message({Text("loop")})}, {{Message({Text("loop alt")})}}, {{Message({Text("loop end")})}}),
        opimage::Other(99, {Message({Text("never entered")})}),
    };
    entry.detail = {opimage::Block({Message({Text("detail")})})};
    entry.third = {Message({Text("third")})};
    opimage::Program program;
    program.entries.push_back(entry);
    EXPECT_EQ(Texts(Decode(program)),
              (std::vector<std::string>{"then", "else", "field 63", "field 35", "field 44 a", "field 44 b", "case",
                                        "when 1", "when 2", "otherwise", "yes", "no", "loop", "loop alt",
                                        "loop end", "detail", "third"}));
}

TEST_F(DecodeTest, EachStatementGivesItsKindOfMessage) {
    const model::CScreenModel& screen = DecodeBody({
        Message({Text("Saved "), opimage::Var("CODE"), Text(" at "), opimage::Expr()}),
        opimage::Abort({Text("Not found")}),
        opimage::Acknowledge({Text("Done")}, Text("Press Return")),
        opimage::Acknowledge({Text("Quiet")}),
        opimage::Print({.row = 5, .column = opimage::kComputed | 2, .value = opimage::Var("TOTAL")}),
        opimage::Print({.column = 12, .value = Text("Page")}),
        opimage::Print({.value = opimage::Var("LINE", opimage::Subscript(2))}),
    });
    EXPECT_EQ(Texts(screen), (std::vector<std::string>{"Saved CODE at <expression>", "Not found", "Done",
                                                       " prompt Press Return", "Quiet",
                                                       "print TOTAL @5,<expression>", "print Page in column 12",
                                                       "print LINE[2]"}));
    std::vector<model::MessageKind> kinds;
    for (const model::CMessageItem& message : screen.Messages()) kinds.push_back(message.kind);
    using Kind = model::MessageKind;
    EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Message, Kind::Abort, Kind::Acknowledge, Kind::PrintOrPrompt,
                                        Kind::Acknowledge, Kind::PrintOrPrompt, Kind::PrintOrPrompt,
                                        Kind::PrintOrPrompt}));
    EXPECT_EQ(screen.Messages()[0].identification, model::IdentificationKind::OriginalText);
}

TEST_F(DecodeTest, AMessageTextStopsAt511Characters) {
    std::vector<opimage::Operand> parts;
    for (int i = 0; i < 8; ++i) parts.push_back(Text(std::string(90, static_cast<char>('a' + i))));
    const model::CScreenModel& screen = DecodeBody({Message(parts)});
    const std::string& text = screen.Messages()[0].text.Original();
    EXPECT_EQ(text.size(), 511u);
    EXPECT_EQ(text.substr(450, 90), std::string(61, 'f'));
}

}  // namespace
}  // namespace program
