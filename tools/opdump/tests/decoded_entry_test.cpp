// The decoded-entry format that users read and later tests compare against.

#include <gtest/gtest.h>

#include <sstream>

#include "platform/message_sink.h"
#include "tools/opdump/decoded_entry.h"
#include "tools/opimage/image.h"

namespace opdump {
namespace {

using namespace opimage;

Program SmallProgram() {
    Program program;
    program.modes = {{.name = "ADD", .label = Text("Add"), .help = Text("Add a record")}};
    Entry screen{.name = "CUSTOMER", .top = 2, .left = 1, .bottom = 20, .right = 78,
                 .title = Text("Customers")};
    screen.modes = {"ADD"};
    screen.variableGroup = VariableGroup{.name = "CUSTOMERS", .variables = {"CODE"}};
    screen.body = {
        Display({.row = 4, .column = 4, .text = Text("Code:"), .attributes = 0x0200}),
        Accept({.row = 4, .column = 12, .variable = "CODE", .picture = "x(8)", .help = Text("The \"code\""),
                .tag = 3}),
        Box({.top = 3, .left = 2, .bottom = 10, .right = 40, .title = Text("Details")}),
        Confirm({.row = 18, .column = 4, .question = {.text = "Save?"}, .defaultAnswer = 'Y'}),
        Message({Text("Saved")}),
    };
    program.variables = {{.name = "CODE", .sizeWord = 8}};
    program.entries = {screen, {.kind = EntryKind::Menu, .name = "MAIN"}};
    return program;
}

TEST(DecodedEntry, WritesTheScreenItsItemsListsAndMessages) {
    const program::ProgramImage image(Write(SmallProgram()).bytes);
    platform::RecordingMessageSink sink;
    std::ostringstream out;
    EXPECT_EQ(WriteEntriesNamed(image, "CUSTOMER", out, sink), 1);
    EXPECT_EQ(out.str(),
              "screen CUSTOMER\n"
              "  type         Screen\n"
              "  origin       2,1\n"
              "  frame        top 2, left 1, bottom 21, right 80; original bottom 21, right 80\n"
              "  title bar    top 1, left 1, bottom 2, right 80\n"
              "  title        \"Customers\"\n"
              "  option width automatic\n"
              "  mode line    18,2\n"
              "  review area  none\n"
              "\n"
              "accept fields: 1\n"
              "  accept 1: tag = 3\n"
              "    name         CODE\n"
              "    compiled     4,12\n"
              "    position     2,11\n"
              "    width        8\n"
              "    picture      \"x(8)\"\n"
              "    type picture \"x(8)\"\n"
              "    type         A\n"
              "    size word    0x0008\n"
              "    help         \"The \\\"code\\\"\"\n"
              "\n"
              "displays: 1\n"
              "  display 1: orig_text = \"Code:\"\n"
              "    text         \"Code:\"\n"
              "    source       text number\n"
              "    compiled     4,4\n"
              "    position     2,3\n"
              "    width        5\n"
              "    picture      \"x\"\n"
              "    type picture \"\"\n"
              "    type         none\n"
              "    attributes   0x00020010 background,right,prompt\n"
              "    colours      0x000000 on 0xC0C0C0\n"
              "    scale        100\n"
              "    flags        prompt\n"
              "\n"
              "options: 0\n"
              "\n"
              "boxes: 1\n"
              "  box 1: orig_coordinate = 3,2, coordinate = 10,40\n"
              "    compiled     top 3, left 2, bottom 10, right 40\n"
              "    corners      top 1, left 1, bottom 8, right 39\n"
              "    title        \"Details\"\n"
              "\n"
              "modes: 1\n"
              "  mode 1: name = ADD\n"
              "    identifier   ADD\n"
              "    position     18,2\n"
              "    width        4\n"
              "    label        \"Add\"\n"
              "    help         \"Add a record\"\n"
              "\n"
              "program modes: 1\n"
              "  mode 1: name = ADD\n"
              "    identifier   ADD\n"
              "    position     none\n"
              "    width        3\n"
              "    label        \"Add\"\n"
              "    help         \"Add a record\"\n"
              "\n"
              "confirms: 1\n"
              "  confirm 1: name = \"Save?\"\n"
              "    compiled     18,4\n"
              "    question     \"Save?\"\n"
              "    default      yes\n"
              "\n"
              "record source fields: 1, caption \"CUSTOMERS:\"\n"
              "  CODE: width 8, type A, type picture \"x(8)\", attributes 0x00000000\n"
              "\n"
              "screen fields: 0\n"
              "\n"
              "program fields: 0\n"
              "\n"
              "messages: 1\n"
              "  message 1: message\n"
              "    text         \"Saved\"\n");
    EXPECT_TRUE(sink.Messages().empty());
}

TEST(DecodedEntry, ACustomisedValueShowsItsOriginalBesideIt) {
    const program::ProgramImage image(Write(SmallProgram()).bytes);
    platform::RecordingMessageSink sink;
    model::CScreenModel screen("CUSTOMER", 1, &image, Write(SmallProgram()).layout.entries[0].offset, 0,
                               model::ModelKind::Screen);
    program::DecodeScreen(screen, sink);
    screen.Displays()[0].text.SetCurrent("Customer code:");
    screen.Accepts()[0].position.SetCurrent({5, 11});
    std::ostringstream out;
    WriteDecodedEntry(screen, "Screen", out);
    EXPECT_NE(out.str().find("    text         \"Customer code:\" (original: \"Code:\")\n"), std::string::npos);
    EXPECT_NE(out.str().find("    position     5,11 (original: 2,11)\n"), std::string::npos);
}

TEST(DecodedEntry, AllEntriesComeInDirectoryOrderAndUnknownNamesGiveNone) {
    const program::ProgramImage image(Write(SmallProgram()).bytes);
    platform::RecordingMessageSink sink;
    std::ostringstream all;
    EXPECT_EQ(WriteAllEntries(image, all, sink), 2);
    EXPECT_NE(all.str().find("\n\nmenu MAIN\n  type         Menu\n"), std::string::npos);
    std::ostringstream none;
    EXPECT_EQ(WriteEntriesNamed(image, "customer", none, sink), 0);
    EXPECT_EQ(none.str(), "");
}

}  // namespace
}  // namespace opdump
