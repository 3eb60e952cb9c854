// The review report's core without a display: how texts are made safe for a
// page, which entries a report takes, and a report stopped part way.

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/overrides/line_reader.h"
#include "tessellar/program/image/program_loader.h"
#include "tessellar/report/html_text.h"
#include "tessellar/report/review_report.h"
#include "testsupport/scratch_directory.h"

namespace report {
namespace {

struct EscapeCase {
    const char* name;
    std::string text;
    std::string html;
};

// ctest lists a row with its value: print its name, not its bytes.
[[maybe_unused]] void PrintTo(const EscapeCase& row, std::ostream* out) { *out << row.name; }

class HtmlTextTest : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(HtmlTextTest, ShowsTheCharactersAndNothingElse) { EXPECT_EQ(HtmlText(GetParam().text), GetParam().html); }

INSTANTIATE_TEST_SUITE_P(
    Texts, HtmlTextTest,
    ::testing::Values(EscapeCase{"Script", "<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
                      EscapeCase{"Quotes", "a=\"b\" c='d'", "a=&quot;b&quot; c=&#39;d&#39;"},
                      EscapeCase{"Ampersand", "R&D &amp;", "R&amp;D &amp;amp;"},
                      EscapeCase{"Cp1252", "Caf\xe9 \x80", "Caf\xc3\xa9 \xe2\x82\xac"},
                      EscapeCase{"Controls", std::string("a\x01\tb\x7f", 5), "a&#x2401;\tb&#x2421;"},
                      EscapeCase{"Nul", std::string("x\0y", 3), "x&#x2400;y"}),
    [](const ::testing::TestParamInfo<EscapeCase>& info) { return std::string(info.param.name); });

TEST(PlainFileName, KeepsANameInsideItsDirectory) {
    EXPECT_EQ(PlainFileName("ORDER-LINES"), "ORDER-LINES");
    EXPECT_EQ(PlainFileName("../../etc/x"), "______etc_x");
    EXPECT_EQ(PlainFileName(""), "_");
    EXPECT_EQ(PlainFileName(std::string(100, 'a')).size(), 60u);
}

// Writes an empty file for every picture asked for; a name holding "huge"
// cannot be drawn.
class FakePictures : public PictureMaker {
public:
    std::optional<std::string> Draw(const model::CScreenModel& entry, bool highlight, const std::string& path) override {
        drawn.push_back(entry.Name() + (highlight ? " highlighted" : " plain"));
        std::ofstream(path, std::ios::binary) << "png";
        return std::nullopt;
    }
    std::vector<std::string> Finish() override { return {}; }
    std::vector<std::string> drawn;
};

struct DemoReport : ::testing::Test {
    testsupport::ScratchDirectory scratch;
    platform::RecordingMessageSink sink;
    std::optional<program::ProgramImage> image = program::LoadProgram(TESSELLAR_DEMO_PROGRAM, sink);
    FakePictures pictures;

    ProgramSource Source(std::optional<std::string> old = std::nullopt) {
        ProgramSource source;
        source.programPath = TESSELLAR_DEMO_PROGRAM;
        source.image = &*image;
        source.overridePath = TESSELLAR_DEMO_OVERRIDES;
        source.overrideText = overrides::ReadOverrideText(TESSELLAR_DEMO_OVERRIDES).value_or("");
        if (old) {
            source.oldOverridePath = "old.scf";
            source.oldOverrideText = *old;
        }
        return source;
    }
};

TEST_F(DemoReport, EveryCustomisedEntryIsDrawnCustomisedAndCompiled) {
    ASSERT_TRUE(image);
    ReviewReport review(scratch.Path().string(), pictures, false);
    ASSERT_TRUE(review.Begin());
    EXPECT_EQ(review.AddProgram(Source()), ReviewReport::Added::Done);
    EXPECT_TRUE(review.Finish());
    const ProgramReport& program = review.Index().programs.at(0);
    ASSERT_EQ(program.entries.size(), 5u);
    EXPECT_EQ(pictures.drawn.size(), 10u);
    const auto found = std::find_if(program.entries.begin(), program.entries.end(),
                                    [](const ReportEntry& entry) { return entry.title == "screen CUSTOMER"; });
    ASSERT_NE(found, program.entries.end());
    const ReportEntry& customer = *found;
    // The header's line, then every body line at its own (the section's own brace is no statement).
    EXPECT_EQ(customer.lines.front().line, 51u);
    EXPECT_EQ(customer.lines.front().text, "screen CUSTOMER");
    EXPECT_EQ(customer.lines[1].line, 53u);
    EXPECT_EQ(customer.lines[1].text, "window");
    EXPECT_FALSE(customer.changes.empty());
    EXPECT_EQ(customer.changes.front().key, "window");
    EXPECT_TRUE(std::filesystem::exists(scratch.Path() / "1-demo.html"));
}

TEST_F(DemoReport, AStoppedReportWritesNoPageOfThatProgram) {
    ASSERT_TRUE(image);
    ReviewReport review(scratch.Path().string(), pictures, false);
    ASSERT_TRUE(review.Begin());
    std::size_t told = 0;
    const auto stopAfterTwo = [&told](std::size_t done, std::size_t total) {
        EXPECT_EQ(total, 5u);
        EXPECT_EQ(done, told++);
        return done < 2;
    };
    EXPECT_EQ(review.AddProgram(Source(), stopAfterTwo), ReviewReport::Added::Cancelled);
    EXPECT_EQ(pictures.drawn.size(), 4u);
    EXPECT_TRUE(review.Index().programs.empty());
    EXPECT_FALSE(std::filesystem::exists(scratch.Path() / "1-demo.html"));
}

// An old file without one section: only that entry, drawn three times.
TEST_F(DemoReport, SinceTakesTheEntriesWhoseStatementsDiffer) {
    ASSERT_TRUE(image);
    std::string old = Source().overrideText;
    const std::size_t start = old.find("screen ORDER-REVIEW");
    const std::size_t end = old.find("screen ORDER-LINES");
    ASSERT_NE(start, std::string::npos);
    old.erase(start, end - start);
    ReviewReport review(scratch.Path().string(), pictures, true);
    ASSERT_TRUE(review.Begin());
    review.AddProgram(Source(old));
    const ProgramReport& program = review.Index().programs.at(0);
    ASSERT_EQ(program.entries.size(), 1u);
    EXPECT_EQ(program.entries[0].title, "screen ORDER-REVIEW");
    EXPECT_EQ(program.entries[0].pictures.size(), 3u);
    EXPECT_NE(program.entries[0].diff.find("@@ -0,0 +1,"), std::string::npos);
}

}  // namespace
}  // namespace report
