#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/command_options.h"

namespace {

// A tool with a flag (-a), a flag with a value (-v) and operands, parsed as
// the console tools parse theirs; the outcome is the status, the values taken
// and what went to the error stream.
struct Outcome {
    int status = 0;
    bool flag = false;
    std::optional<std::string> value;
    std::vector<std::string> operands;
    std::string errors;
};

Outcome Parse(std::vector<const char*> words) {
    words.insert(words.begin(), "tool");
    std::ostringstream errors;
    Outcome outcome;
    platform::CommandOptions options(static_cast<int>(words.size()), words.data(), "tool", "usage: tool\n", errors);
    while (options.Next()) {
        if (options.Is("-a")) {
            outcome.flag = true;
        } else if (options.Is("-v")) {
            outcome.value = options.TakeValue();
            if (!outcome.value) {
                outcome.status = options.MissingValue();
                break;
            }
        } else if (options.IsOption()) {
            outcome.status = options.UnknownOption();
            break;
        } else {
            outcome.operands.push_back(options.Argument());
        }
    }
    outcome.errors = errors.str();
    return outcome;
}

TEST(CommandOptions, FlagsValuesAndOperands) {
    const Outcome outcome = Parse({"in", "-v", "-a", "-a", "-", "out"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_TRUE(outcome.flag);
    EXPECT_EQ(outcome.value, "-a") << "a value is taken as it stands, even one that looks like a flag";
    EXPECT_EQ(outcome.operands, (std::vector<std::string>{"in", "-", "out"})) << "\"-\" alone is an operand";
    EXPECT_EQ(outcome.errors, "");
}

TEST(CommandOptions, UsageMistakesNameTheToolThenShowTheUsage) {
    struct Row {
        const char* name;
        std::vector<const char*> words;
        const char* errors;
    };
    const Row rows[] = {
        {"value missing at the end", {"in", "-v"}, "tool: option '-v' needs a value\nusage: tool\n"},
        {"unknown flag", {"-x", "in"}, "tool: unknown option '-x'\nusage: tool\n"},
        {"unknown long flag", {"--all=1"}, "tool: unknown option '--all=1'\nusage: tool\n"},
    };
    for (const Row& row : rows) {
        const Outcome outcome = Parse(row.words);
        EXPECT_EQ(outcome.status, platform::kUsageStatus) << row.name;
        EXPECT_EQ(outcome.errors, row.errors) << row.name;
    }
}

}  // namespace
