// One row per kind of finding: the override text that provokes it and the
// exact lines scfcheck prints. A row fails when a finding goes missing,
// names the wrong line or block, or another finding creeps in.

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "tessellar/checks/program_check.h"
#include "tessellar/checks/tests/check_fixture.h"

namespace checks {
namespace {

struct Row {
    const char* name;
    std::string file;      // the override file; its first line is line 1
    std::string expected;  // every line printed, in order
};

// ctest lists a row with its value: print its name, not its bytes.
[[maybe_unused]] void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

// A section of the fixture's screen CUST: header on line 1, "{" on line 2,
// the body lines from line 3 on.
std::string Cust(const std::string& body) { return "screen CUST\n\t{\n" + body + "\t}\n"; }
std::string Grid(const std::string& body) { return "screen GRID\n\t{\n" + body + "\t}\n"; }

std::string Printed(const std::string& file) {
    std::string printed;
    for (const Finding& finding : CheckProgram(testing::TheProgram(), "t.scf", file)) printed += FindingLine(finding);
    return printed;
}

class FindingKinds : public ::testing::TestWithParam<Row> {};

TEST_P(FindingKinds, PrintsTheExactLine) { EXPECT_EQ(Printed(GetParam().file), GetParam().expected); }

const std::vector<Row> kRows = {
    // Customisations that still apply say nothing: each kind below must come from its own fault.
    {"StillApplying",
     Cust("\taccept\n\t\t{\n\t\ttag = 1\n\t\tdefault = \"A1\"\n\t\tsuppress = true\n\t\t}\n"
          "\tdisplay\n\t\t{\n\t\torig_text = \"Name:\"\n\t\ttext = \"Client:\"\n\t\tattributes = bold,background\n\t\t}\n"
          "\tdisplay\n\t\t{\n\t\ttext = \"Notes:\"\n\t\tcoordinate = 12,4\n\t\tadd = true\n\t\t}\n"
          "\tmessage\n\t\t{\n\t\torig_text = \"Saved CODE\"\n\t\ttext = \"Stored\"\n\t\t}\n"
          "\twindow\n\t\t{\n\t\ttitle = \"Clients\"\n\t\t}\n"),
     ""},
    // A screen the recompiled program dropped (or renamed).
    {"UnknownSection", "screen CUSTOMER\n\t{\n\t}\n",
     "t.scf:1: screen CUSTOMER: error: the program has no screen named CUSTOMER; the runtime skips the section "
     "[nearest: screen CUST]\n"},
    // The work file of a section is started again by a later section of the same entry.
    {"RepeatedSection", Cust("") + Cust(""),
     "t.scf:1: screen CUST: error: the section appears again at line 4; the runtime keeps only the later one\n"},
    {"OutsideBlock", Cust("\tsuppress = true\n\taccept\n\t\t{\n\t\ttag = 1\n\t\t}\n"),
     "t.scf:3: screen CUST: error: \"suppress\" comes before the section's first item keyword; the runtime "
     "ignores it\n"},
    // A misspelt keyword: the keys after it fill the block before.
    {"UnknownKey", Cust("\tacept\n\t\t{\n\t\t}\n"),
     "t.scf:3: screen CUST: error: \"acept\" is not a key; the runtime ignores the line [nearest: accept]\n"},
    // A renamed field.
    {"UnresolvedItem", Cust("\taccept\n\t\t{\n\t\tname = NAM\n\t\tcoordinate = 6,22\n\t\t}\n"),
     "t.scf:3: screen CUST: error: accept name = NAM: the screen has no such entry field; the runtime skips the "
     "block [nearest: name = NAME] [likely fix: name = NAME]\n"},
    {"UnknownMessage", Cust("\tmessage\n\t\t{\n\t\torig_text = \"Saved COD\"\n\t\ttext = \"Stored\"\n\t\t}\n"),
     "t.scf:3: screen CUST: error: message orig_text = \"Saved COD\": no message of the entry has this text; the "
     "runtime skips the block [nearest: orig_text = \"Saved CODE\"] [likely fix: orig_text = \"Saved CODE\"]\n"},
    {"RepeatedItem",
     Cust("\tdisplay\n\t\t{\n\t\torig_text = \"Code:\"\n\t\ttext = \"No.:\"\n\t\t}\n"
          "\tdisplay\n\t\t{\n\t\torig_text = \"Code:\"\n\t\ttext = \"Number:\"\n\t\t}\n"),
     "t.scf:3: screen CUST: error: display orig_text = \"Code:\": the block at line 8 names the same item and gives "
     "every value of this one again; this block is dead\n"},
    {"AllowedAndDisallowed",
     Cust("\taccept\n\t\t{\n\t\ttag = 1\n\t\tallowed = \"A\"\n\t\tdisallowed = \"B\"\n\t\t}\n"),
     "t.scf:7: screen CUST: error: accept tag = 1: the block gives both allowed and disallowed; the runtime applies "
     "neither\n"},
    {"NoTriggerPoint", Cust("\ttrigger\n\t\t{\n\t\trun = x.exe\n\t\t}\n"),
     "t.scf:3: screen CUST: error: trigger: the trigger has no trigger_point; the runtime sets nothing\n"},
    {"OutOfRange", Cust("\taccept\n\t\t{\n\t\ttag = 1\n\t\tcoordinate = 300,5\n\t\t}\n"),
     "t.scf:6: screen CUST: error: coordinate = 300,5 is beyond the largest screen (255 rows and columns); the "
     "runtime ignores the line\n"},
    {"NotAPair", Cust("\taccept\n\t\t{\n\t\ttag = 1\n\t\tcoordinate = 7\n\t\t}\n"),
     "t.scf:6: screen CUST: error: coordinate = 7 is not a pair of numbers; the runtime ignores the line\n"},
    {"NotABoolean", Cust("\tdisplay\n\t\t{\n\t\torig_text = \"Code:\"\n\t\tsuppress = TRUE\n\t\t}\n"),
     "t.scf:6: screen CUST: error: suppress = TRUE reads as false: only \"true\" is true [write true or false]\n"},
    {"UnknownColour", Cust("\tdisplay\n\t\t{\n\t\torig_text = \"Code:\"\n\t\tcolor = purpel/navy\n\t\t}\n"),
     "t.scf:6: screen CUST: error: color = purpel/navy: purpel is no colour; the runtime ignores the line "
     "[nearest: purple]\n"},
    // Blanks count inside the word list; a blank-led word no other word gives is lost.
    {"UnknownAttribute", Cust("\tdisplay\n\t\t{\n\t\torig_text = \"Code:\"\n\t\tattributes = bold, underline\n\t\t}\n"),
     "t.scf:6: screen CUST: error: attributes: \" underline\" is no attribute word; the runtime ignores it "
     "[blanks count: write the words with only commas between them]\n"},
    {"UnknownWord",
     Cust("\ttrigger\n\t\t{\n\t\ttrigger_point = before_acept\n\t\ttag = 1\n\t\trun = x.exe\n\t\t}\n"),
     "t.scf:5: screen CUST: error: trigger_point = \"before_acept\" names no trigger point; the runtime sets "
     "nothing [nearest: before_accept]\n"},
    {"InvalidPicture", Cust("\taccept\n\t\t{\n\t\ttag = 1\n\t\tpicture = 9(30)\n\t\t}\n"),
     "t.scf:6: screen CUST: error: picture = 9(30) does not compile; the field shows no sensible value\n"},
    {"CutValue",
     Cust("\tdisplay\n\t\t{\n\t\torig_text = \"Code:\"\n\t\ttext = \"" + std::string(90, 'x') + "\"\n\t\t}\n"),
     "t.scf:6: screen CUST: error: text holds 90 characters; the runtime keeps the first 79\n"
     "t.scf:6: screen CUST: warning: display orig_text = \"Code:\": its text is 79 characters wide in 5 cells and "
     "runs past the screen window's right edge: it ends at column 82, the window ends at 80\n"},
    // The rest of a long line is read as a line of its own: it is not reported again as an unknown key.
    {"LongLine",
     Cust("\tconfirm\n\t\t{\n\t\tname = \"Delete?\"\n\t\ttext = \"" + std::string(600, 'y') + "\"\n\t\t}\n"),
     "t.scf:6: screen CUST: error: text holds 501 characters; the runtime keeps the first 79\n"
     "t.scf:6: screen CUST: error: the line holds more than 510 characters; the runtime reads the rest as a line "
     "of its own\n"},
    {"Overlap", Cust("\tdisplay\n\t\t{\n\t\torig_text = \"Code:\"\n\t\tcoordinate = 5,20\n\t\t}\n"),
     "t.scf:6: screen CUST: warning: display orig_text = \"Code:\" overlaps accept name = NAME on row 5 after "
     "applying\n"},
    {"PastEdge", Cust("\taccept\n\t\t{\n\t\tname = NAME\n\t\tcoordinate = 5,60\n\t\t}\n"),
     "t.scf:6: screen CUST: warning: accept name = NAME runs past the screen window's right edge: it ends at "
     "column 89, the window ends at 80\n"},
    {"WideGridColumn", Grid("\taccept\n\t\t{\n\t\tname = QTY\n\t\tpicture = x(80)\n\t\t}\n"),
     "t.scf:6: screen GRID: warning: accept name = QTY makes a data grid column 80 columns wide; the grid's area "
     "has 72\n"},
    {"HiddenWithoutDefault", Cust("\taccept\n\t\t{\n\t\tname = NAME\n\t\tsuppress = true\n\t\t}\n"),
     "t.scf:6: screen CUST: warning: accept name = NAME is hidden without a default value [the customiser refuses "
     "it: \"Sorry, could not hide a field without default values\"]\n"},
    // A site's notes and blank lines stand wherever it put them.
    {"CommentsAndBlankLinesAnywhere",
     "# Site notes\n\nscreen CUST\n\t{\n\t# the code field\n\n\taccept\n\t\t{\n\t\t# default = \"A1\"\n\n"
     "\t\ttag = 1\n\t\t#\n\t\ttitle = \"Code\"\n\t\t}\n\t# end\n\t}\n# the end\n",
     ""},
    // A misspelt first header: its section is never applied.
    {"OutsideSection", "# notes\nscreem CUST\n\t{\n\twindow\n\t\t{\n\t\ttitle = \"Clients\"\n\t\t}\n\t}\n",
     "t.scf:2: before the first section: error: \"screem CUST\" and 6 more lines come before the first section "
     "header; the runtime never applies them [nearest: screen CUST]\n"},
    {"OneLineOutsideSection", "title = \"Clients\"\n" + Cust(""),
     "t.scf:1: before the first section: error: \"title = \"Clients\"\" comes before the first section header; "
     "the runtime never applies it\n"},
    // An editor's byte-order mark right before the first header is nothing.
    {"ByteOrderMark", "\xEF\xBB\xBF" + Cust("\twindow\n\t\t{\n\t\ttitle = \"Clients\"\n\t\t}\n"), ""},
    // A later value that applying refuses leaves the earlier one in force: no block is dead.
    {"RefusedScaleKillsNothing",
     Cust("\tdisplay\n\t\t{\n\t\torig_text = \"Code:\"\n\t\tscale = 150\n\t\t}\n"
          "\tdisplay\n\t\t{\n\t\torig_text = \"Code:\"\n\t\tscale = 5000\n\t\t}\n"),
     "t.scf:11: screen CUST: error: scale = 5000 is outside 50 to 1000; the compiled scale stays\n"},
    {"IgnoredColourKillsNothing",
     Cust("\tdisplay\n\t\t{\n\t\torig_text = \"Code:\"\n\t\tcolor = red/white\n\t\t}\n"
          "\tdisplay\n\t\t{\n\t\torig_text = \"Code:\"\n\t\tcolor = pink/white\n\t\t}\n"),
     "t.scf:11: screen CUST: error: color = pink/white: pink is no colour; the runtime ignores the line\n"},
    {"IgnoredCoordinateKillsNothing",
     Cust("\taccept\n\t\t{\n\t\ttag = 1\n\t\tcoordinate = 6,22\n\t\t}\n"
          "\taccept\n\t\t{\n\t\ttag = 1\n\t\tcoordinate = 300,22\n\t\t}\n"),
     "t.scf:11: screen CUST: error: coordinate = 300,22 is beyond the largest screen (255 rows and columns); the "
     "runtime ignores the line\n"},
    {"RefusedWindowSizeKillsNothing",
     Cust("\twindow\n\t\t{\n\t\twindow_size = 70,18\n\t\t}\n"
          "\twindow\n\t\t{\n\t\twindow_size = 0,0\n\t\t}\n"),
     "t.scf:9: screen CUST: error: window_size = 0,0 gives the window no cells; it keeps its size\n"},
    // The same value again changes nothing, as where the batch tool writes one
    // block for each place a message part stands.
    {"TheSameValueAgainKillsNothing",
     Cust("\tmessage\n\t\t{\n\t\torig_text = \"Saved \"\n\t\ttext = \"Stored \"\n\t\t}\n"
          "\tmessage\n\t\t{\n\t\torig_text = \"Saved \"\n\t\ttext = \"Stored \"\n\t\t}\n"),
     ""},
    // A prompt's text wider than its cells is drawn whole: it must not leave the window.
    {"TextLeavesTheWindowOnTheLeft",
     Cust("\tdisplay\n\t\t{\n\t\ttext = \"Ref:\"\n\t\tcoordinate = 12,4\n\t\tadd = true\n"
          "\t\tnew_prompt_text = \"Their reference:\"\n\t\t}\n"),
     "t.scf:8: screen CUST: warning: display text = \"Their reference:\", coordinate = 12,4: its text is 16 "
     "characters wide in 4 cells and starts left of the screen window: it starts at column -8, the window starts "
     "at 1\n"},
    {"TextLeavesTheWindowOnTheRight",
     Cust("\tdisplay\n\t\t{\n\t\torig_text = \"Name:\"\n\t\tcoordinate = 5,70\n\t\ttext = \"Customer name\"\n"
          "\t\t}\n"),
     "t.scf:7: screen CUST: warning: display orig_text = \"Name:\": its text is 13 characters wide in 5 cells and "
     "runs past the screen window's right edge: it ends at column 82, the window ends at 80\n"},
};

INSTANTIATE_TEST_SUITE_P(Rows, FindingKinds, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace checks
