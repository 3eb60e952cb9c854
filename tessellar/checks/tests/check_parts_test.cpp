// The parts the findings rest on: which file line each body line came from
// (however the file ends its lines, however long they are), how near two
// texts are, and the hints that name what a broken block meant.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tessellar/checks/override_sections.h"
#include "tessellar/checks/program_check.h"
#include "tessellar/checks/tests/check_fixture.h"
#include "tessellar/checks/text_distance.h"

namespace checks {
namespace {

// The file line of each body line of each section, as applying reads the body.
std::vector<std::vector<std::size_t>> BodyLines(const OverrideSections& file) {
    std::vector<std::vector<std::size_t>> lines;
    for (const OverrideSection& section : file.sections) {
        std::vector<std::size_t>& found = lines.emplace_back();
        for (std::size_t start : section.lineStarts) found.push_back(section.FileLineAt(start));
    }
    return lines;
}

TEST(OverrideSections, BodyLinesKeepTheirFileLines) {
    // A comment header, CRLF line ends, a line after the closing brace, a repeated section.
    const OverrideSections file = SplitOverrideText(
        "#comment\r\nscreen A\r\n\t{\r\n\taccept\r\n\t}\r\nafter = 1\r\nmenu B\n{\n\tbox\n}\nscreen A\n{\n}\n");
    ASSERT_EQ(file.sections.size(), 3u);
    EXPECT_EQ(file.sections[0].headerLine, 2u);
    EXPECT_EQ(file.sections[1].headerLine, 7u);
    EXPECT_EQ(file.sections[2].headerLine, 11u);
    EXPECT_EQ(file.sections[1].Title(), "menu B");
    EXPECT_EQ(BodyLines(file), (std::vector<std::vector<std::size_t>>{{4, 6}, {9}, {}}));
    EXPECT_EQ(file.sections[0].body, "accept\nafter = 1\n");  // one tab off, "\r\n" read as "\n"
    EXPECT_TRUE(file.longLines.empty());
}

TEST(OverrideSections, AnOverLongLineIsOneFileLine) {
    const std::string longLine = "\t\ttext = \"" + std::string(1200, 'y') + "\"\n";
    const OverrideSections file = SplitOverrideText("screen A\n{\naccept\n" + longLine + "tag = 1\n}\n");
    ASSERT_EQ(file.sections.size(), 1u);
    EXPECT_EQ(file.longLines, std::vector<std::size_t>{4});
    // The three reads of line 4 all belong to it; "tag" is line 5.
    EXPECT_EQ(BodyLines(file), (std::vector<std::vector<std::size_t>>{{3, 4, 4, 4, 5}}));
    // A line of exactly one read is no long line: its newline comes as a read of its own.
    const OverrideSections exact = SplitOverrideText("screen A\n{\n" + std::string(510, 'x') + "\n}\n");
    EXPECT_TRUE(exact.longLines.empty());
}

TEST(TextDistance, NearTextsAndFarOnes) {
    EXPECT_EQ(EditDistance("CUST-NAME", "CUST-NAM", 5), 1u);
    EXPECT_EQ(EditDistance("kitten", "sitting", 5), 3u);
    EXPECT_EQ(EditDistance("short", "a much longer text", 2), 3u);  // beyond the limit: limit + 1
    EXPECT_TRUE(Nearness("NAM", "NAME").has_value());
    EXPECT_TRUE(Nearness("Phone:", "Telephone:").has_value());   // the old words kept
    EXPECT_FALSE(Nearness("Name:", "Balance due:").has_value());
    EXPECT_FALSE(Nearness("Same", "Same").has_value());           // the same text is no hint
    EXPECT_LT(*Nearness("NAM", "NAME"), *Nearness("NAM", "NAMES"));
}

struct HintRow {
    const char* name;
    std::string section;  // body of screen CUST
    std::string hint;     // of the first finding
};

const std::vector<HintRow> kHintRows = {
    // The field is still there but gained a tag: the screen names it so now.
    {"NowByTag", "accept\n{\norig_coordinate = 4,22\n}\n", "the screen now names it tag = 1"},
    {"NearestName", "accept\n{\nname = NAMES\n}\n", "nearest: name = NAME"},
    {"NearestPlace", "accept\n{\norig_coordinate = 5,23\n}\n", "nearest: name = NAME at 5,22"},
    {"OtherKindThere", "accept\n{\norig_coordinate = 4,4\n}\n",
     "the program now puts there display orig_text = \"Code:\""},
    {"BoxEndsElsewhere", "box\n{\norig_coordinate = 3,2\ncoordinate = 16,77\n}\n",
     "the box there now ends at coordinate = 17,77"},
    {"NoIdentifier", "accept\n{\ncoordinate = 5,30\n}\n", "name the item with tag, name, orig_text or orig_coordinate"},
    {"NothingNear", "accept\n{\nname = TOTALLY-ELSE\n}\n", ""},
};

TEST(Hints, NameWhatABrokenBlockMeant) {
    for (const HintRow& row : kHintRows) {
        const std::vector<Finding> findings =
            CheckProgram(testing::TheProgram(), "t.scf", "screen CUST\n{\n" + row.section + "}\n");
        ASSERT_FALSE(findings.empty()) << row.name;
        EXPECT_EQ(findings.front().kind, FindingKind::UnresolvedItem) << row.name;
        EXPECT_EQ(findings.front().hint, row.hint) << row.name;
    }
}

TEST(RepeatedItems, OnlyTheValuesGivenAgainAreDead) {
    const std::vector<Finding> findings = CheckProgram(
        testing::TheProgram(), "t.scf",
        "screen CUST\n{\n"
        "accept\n{\ntag = 1\ncoordinate = 6,22\nhelpline = \"Code\"\n}\n"      // 3: coordinate given again at 9
        "accept\n{\ntag = 1\ncoordinate = 7,22\ncoordinate = 7,23\n}\n"        // 9: its line 12 dead
        "display\n{\ntext = \"Notes:\"\ncoordinate = 12,4\nadd = true\n}\n"    // an added prompt named twice:
        "display\n{\ntext = \"Notes:\"\ncoordinate = 12,4\nadd = true\ncolor = red\n}\n"  // keys that find it are no values
        "}\n");
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(FindingLine(findings[0]),
              "t.scf:3: screen CUST: error: accept tag = 1: the block at line 9 names the same item and gives "
              "coordinate again; those values here are dead\n");
    EXPECT_EQ(FindingLine(findings[1]),
              "t.scf:12: screen CUST: error: \"coordinate\" is given again at line 13 in the same block; this line "
              "is dead\n");
}

// The bundled demo is the first thing a newcomer sees: its override file
// must give the checker nothing to say (it once drew "Their reference:"
// across the window's left edge, and the checker called it clean).
TEST(DemoOverrides, CheckClean) {
    platform::RecordingMessageSink sink;
    const std::optional<program::ProgramImage> demo = program::LoadProgram(TESSELLAR_DEMO_PROGRAM, sink);
    ASSERT_TRUE(demo.has_value());
    const std::optional<std::vector<Finding>> findings = CheckProgramFile(*demo, TESSELLAR_DEMO_OVERRIDES);
    ASSERT_TRUE(findings.has_value());
    std::string printed;
    for (const Finding& finding : *findings) printed += FindingLine(finding);
    EXPECT_EQ(printed, "");
}

// What only the program shows is not the override file's doing.
TEST(Spoils, OnlyWhatTheSectionCausedIsReported) {
    const char* description = R"opt(
global A size 10 type A
global B size 10 type A
screen S {
  frame 2 1 10 40
  body {
    accept 4 5 A
    accept 4 10 B
    display 6 30 "Far beyond the right edge:"
  }
}
)opt";
    platform::RecordingMessageSink sink;
    const auto image = program::LoadProgramFromBytes(testing::ImageOf(description), "s.op6", sink);
    ASSERT_TRUE(image.has_value());
    // A and B overlap as compiled, and the prompt runs out of the window: nothing to say.
    EXPECT_TRUE(CheckProgram(*image, "s.scf", "screen S\n{\nwindow\n{\ntitle = \"S\"\n}\n}\n").empty());
    // Shrinking the window pushes B out: the window_size line is to blame.
    const std::vector<Finding> shrunk =
        CheckProgram(*image, "s.scf", "screen S\n{\nwindow\n{\nwindow_size = 15,10\n}\n}\n");
    ASSERT_EQ(shrunk.size(), 1u);
    EXPECT_EQ(FindingLine(shrunk[0]),
              "s.scf:5: screen S: warning: accept name = B runs past the screen window's right edge: it ends at "
              "column 19, the window ends at 15\n");
}

}  // namespace
}  // namespace checks
