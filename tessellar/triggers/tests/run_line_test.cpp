#include "tessellar/triggers/run_line.h"

#include <gtest/gtest.h>

namespace triggers {
namespace {

struct SplitCase {
    const char* line;
    const char* program;
    const char* parameters;
};

TEST(RunLine, SplitsQuotedAndBareProgramsFromTheirParameters) {
    const SplitCase cases[] = {
        {"\"/usr/local/bin/report tool\"   cust \"x y\"", "/usr/local/bin/report tool", "cust \"x y\""},
        {"\"prog\"", "prog", ""},
        {"prog a b", "prog", "a b"},
        {"\"unclosed a b", "unclosed a b", ""},
        {"", "", ""},
    };
    for (const SplitCase& c : cases) {
        const RunLine split = SplitRunLine(c.line);
        EXPECT_EQ(split.program, c.program) << c.line;
        EXPECT_EQ(split.parameters, c.parameters) << c.line;
    }
}

TEST(RunLine, ComposesWithOnePairOfQuotesAndNothingForNoProgram) {
    EXPECT_EQ(ComposeRunLine("my prog", "a b"), "\"my prog\" a b");
    EXPECT_EQ(ComposeRunLine("\"my prog\"", ""), "\"my prog\" ");
    EXPECT_EQ(ComposeRunLine("", "a"), "");
    EXPECT_EQ(SplitRunLine(ComposeRunLine("my prog", "a b")).parameters, "a b");
}

TEST(RunLine, SplitsParametersKeepingQuotedLiteralsWholeUpToTheLimit) {
    EXPECT_EQ(SplitParameters("\"a literal\"  cust  order"),
              (std::vector<std::string>{"\"a literal\"", "cust", "order"}));
    EXPECT_TRUE(SplitParameters("").empty());
    EXPECT_EQ(SplitParameters("\"open end"), (std::vector<std::string>{"\"open end"}));
    EXPECT_EQ(SplitParameters("a b c d e f g h i j k", 10).size(), 10u);
    EXPECT_EQ(SplitParameters("a b c d e f g h i j k").size(), 11u);
    EXPECT_TRUE(IsLiteralParameter("\"x\""));
    EXPECT_FALSE(IsLiteralParameter("cust"));
}

}  // namespace
}  // namespace triggers
