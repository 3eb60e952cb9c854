// The unified diff of two texts, hunk by hunk as `diff -u` lays it out.

#include "platform/unified_diff.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "testsupport/scratch_directory.h"

namespace platform {
namespace {

std::string Numbered(int first, int last) {
    std::string text;
    for (int line = first; line <= last; ++line) text += "line " + std::to_string(line) + "\n";
    return text;
}

TEST(UnifiedDiff, EqualTextsGiveNothing) {
    EXPECT_EQ(UnifiedDiff("", "", "a/x", "b/x"), "");
    EXPECT_EQ(UnifiedDiff("one\ntwo\n", "one\ntwo\n", "a/x", "b/x"), "");
}

// What `diff -uN` shows for a file that did not exist: every line added to
// an empty range at line 0.
TEST(UnifiedDiff, ANewFileIsEveryLineAddedAtLineZero) {
    EXPECT_EQ(UnifiedDiff("", "screen s\n\t{\n\t}\n", "a/s.scf", "b/s.scf"),
              "--- a/s.scf\n+++ b/s.scf\n@@ -0,0 +1,3 @@\n+screen s\n+\t{\n+\t}\n");
    EXPECT_EQ(UnifiedDiff("", "only\n", "a/s", "b/s"), "--- a/s\n+++ b/s\n@@ -0,0 +1 @@\n+only\n");
}

// Three lines of context either side; a range of one line is written
// without its count, an empty one as the line before it and 0.
TEST(UnifiedDiff, AChangeShowsThreeLinesOfContextEitherSide) {
    const std::string before = Numbered(1, 10);
    std::string after = before;
    after.replace(after.find("line 5\n"), 7, "line five\n");
    EXPECT_EQ(UnifiedDiff(before, after, "a/f", "b/f"),
              "--- a/f\n+++ b/f\n@@ -2,7 +2,7 @@\n line 2\n line 3\n line 4\n-line 5\n+line five\n line 6\n line 7\n"
              " line 8\n");
    EXPECT_EQ(UnifiedDiff("a\n", "", "a/f", "b/f"), "--- a/f\n+++ b/f\n@@ -1 +0,0 @@\n-a\n");
    EXPECT_EQ(UnifiedDiff("a\nb\n", "a\nx\nb\n", "a/f", "b/f"), "--- a/f\n+++ b/f\n@@ -1,2 +1,3 @@\n a\n+x\n b\n");
}

// Two changes join in one hunk while their contexts meet: six unchanged
// lines between them still do, seven do not.
TEST(UnifiedDiff, ChangesJoinWhenAtMostSixLinesLieBetween) {
    const std::string before = Numbered(1, 20);
    auto changed = [&](int first, int second) {
        std::string text = before;
        for (int line : {first, second}) {
            const std::string old = "line " + std::to_string(line) + "\n";
            text.replace(text.find(old), old.size(), "new " + std::to_string(line) + "\n");
        }
        return text;
    };
    const std::string joined = UnifiedDiff(before, changed(5, 12), "a/f", "b/f");
    EXPECT_NE(joined.find("@@ -2,14 +2,14 @@\n"), std::string::npos) << joined;
    EXPECT_EQ(joined.find("\n@@", joined.find("@@ -2")), std::string::npos);  // no second hunk
    const std::string apart = UnifiedDiff(before, changed(5, 13), "a/f", "b/f");
    EXPECT_NE(apart.find("@@ -2,7 +2,7 @@\n"), std::string::npos) << apart;
    EXPECT_NE(apart.find("@@ -10,7 +10,7 @@\n"), std::string::npos) << apart;
}

TEST(UnifiedDiff, ALastLineWithoutALineEndIsMarked) {
    EXPECT_EQ(UnifiedDiff("a\nb", "a\nb\n", "a/f", "b/f"),
              "--- a/f\n+++ b/f\n@@ -1,2 +1,2 @@\n a\n-b\n\\ No newline at end of file\n+b\n");
    EXPECT_EQ(UnifiedDiff("a\nb", "x\nb", "a/f", "b/f"),
              "--- a/f\n+++ b/f\n@@ -1,2 +1,2 @@\n-a\n+x\n b\n\\ No newline at end of file\n");
}

// An item block added before the end of its section could be aligned with
// its closing brace first or last; diff shows it below the item before it.
TEST(UnifiedDiff, AnAddedBlockSlidesBelowTheEqualLinesItCouldStartWith) {
    const std::string before = "screen s\n\t{\n\tdisplay\n\t\t{\n\t\torig_text = \"A\"\n\t\t}\n\t}\n";
    const std::string after =
        "screen s\n\t{\n\tdisplay\n\t\t{\n\t\torig_text = \"A\"\n\t\t}\n\tdisplay\n\t\t{\n\t\torig_text = \"B\"\n\t\t}\n\t}\n";
    EXPECT_EQ(UnifiedDiff(before, after, "a/f", "b/f"),
              "--- a/f\n+++ b/f\n@@ -4,4 +4,8 @@\n \t\t{\n \t\torig_text = \"A\"\n \t\t}\n+\tdisplay\n+\t\t{\n"
              "+\t\torig_text = \"B\"\n+\t\t}\n \t}\n");
}

// Against the system's own diff on many generated override-like files: the
// same hunks, line for line (the labels are given to both).
TEST(UnifiedDiff, AgreesWithDiffOnGeneratedOverrideFiles) {
    if (std::system("diff --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "no diff on this system";
    testsupport::ScratchDirectory scratch;
    const std::vector<std::string> pool = {"\t{", "\t}", "\t\t{", "\t\t}", "\tdisplay", "\taccept", "screen a",
                                           "menu m", "", "# comment", "\t\torig_text = \"X\"", "\t\ttext = \"Y\"",
                                           "\t\ttitle = \"Z\"", "\t\thelpline = \"H\"", "\t\tname = n"};
    std::mt19937 random(25);
    auto pick = [&](std::size_t below) { return std::uniform_int_distribution<std::size_t>(0, below - 1)(random); };
    const auto oldPath = scratch.Path() / "old";
    const auto newPath = scratch.Path() / "new";
    int compared = 0;
    for (int round = 0; round < 300; ++round) {
        const std::size_t kinds = 2 + pick(pool.size() - 1);
        std::vector<std::string> lines(pick(round < 250 ? 40 : 300));
        for (std::string& line : lines) line = pool[pick(kinds)];
        std::vector<std::string> changed = lines;
        for (std::size_t edits = 1 + pick(round < 250 ? 6 : 30); edits > 0; --edits) {
            const std::size_t what = pick(10);
            if (what < 4 && !changed.empty()) {
                changed.erase(changed.begin() + static_cast<std::ptrdiff_t>(pick(changed.size())));
            } else if (what < 8) {
                changed.insert(changed.begin() + static_cast<std::ptrdiff_t>(pick(changed.size() + 1)),
                               pick(3) == 0 ? "new " + std::to_string(pick(4)) : pool[pick(kinds)]);
            } else if (!changed.empty()) {
                changed[pick(changed.size())] = pool[pick(kinds)];
            }
        }
        auto text = [&](const std::vector<std::string>& of) {
            std::string joined;
            for (std::size_t i = 0; i < of.size(); ++i) joined += of[i] + (i + 1 < of.size() || pick(8) ? "\n" : "");
            return joined;
        };
        const std::string before = text(lines);
        const std::string after = text(changed);
        std::ofstream(oldPath, std::ios::binary) << before;
        std::ofstream(newPath, std::ios::binary) << after;
        const std::string command =
            "diff -u --label a/f --label b/f '" + oldPath.string() + "' '" + newPath.string() + "'";
        std::string expected;
        if (std::FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[4096];
            std::size_t got;
            while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) expected.append(buffer, got);
            pclose(pipe);
        }
        ASSERT_EQ(UnifiedDiff(before, after, "a/f", "b/f"), expected) << "round " << round;
        ++compared;
    }
    EXPECT_EQ(compared, 300);
}

}  // namespace
}  // namespace platform
