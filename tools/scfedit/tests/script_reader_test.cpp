// Reading script lines: what each verb takes and the problems a line is
// stopped with.

#include <gtest/gtest.h>

#include <ostream>

#include <array>
#include <sstream>
#include <streambuf>

#include "tools/scfedit/script_reader.h"
#include "tools/scfedit/script_runner.h"
#include "testsupport/case_name.h"

namespace scfedit {
namespace {

struct BadLine {
    const char* line;
    const char* problem;
};

// ctest lists a row with its value: print its reason, not its bytes.
[[maybe_unused]] void PrintTo(const BadLine& row, std::ostream* out) { *out << row.problem; }

class BadScriptLines : public ::testing::TestWithParam<BadLine> {};

TEST_P(BadScriptLines, AreStoppedWithWhatIsWrong) {
    const ReadLine read = ReadScriptLine(GetParam().line, 1);
    EXPECT_FALSE(read.step.has_value());
    EXPECT_EQ(read.error, GetParam().problem);
}

const BadLine kBadLines[] = {
    {"jump CUSTOMER", "'jump' is not a script command"},
    {"run \"Move dispaly\" name A 1,1", "no command named 'Move dispaly'"},
    {"run \"Move display\" window 1,1", "'Move display' does not take the key 'window'"},
    {"run \"Add prompt\" name A \"x\" 1,1", "'Add prompt' does not take the key 'name'"},
    {"run \"Move display\" orig_coordinate 1 2", "'1' is not a ROW,COLUMN pair"},
    {"run \"Move display\" tag x 1,1", "'x' is not a number"},
    {"run \"Reset box\" box 1,1", "'box' needs BOTTOM,RIGHT"},
    {"run \"Change display text\" orig_text \"open", "a quoted word does not end"},
    {"run \"Change display text\" orig_text \"a\\q\"", "unknown escape '\\q' in a quoted word"},
    {"undo 0", "'undo' takes an optional step count of 1 or more"},
    {"redo two", "'redo' takes an optional step count of 1 or more"},
    {"save now", "'save' takes nothing after it"},
    {"saveas", "'saveas' takes one path"},
    {"select", "'select' takes an entry name and an optional kind"},
    {"select A window", "'window' is not screen, menu or procedure"},
};

INSTANTIATE_TEST_SUITE_P(Reader, BadScriptLines, ::testing::ValuesIn(kBadLines),
                         [](const auto& info) { return testsupport::CaseName(info.param.problem); });

TEST(ScriptLines, KeysValuesAndQuotedWords) {
    EXPECT_FALSE(ReadScriptLine("   # a comment", 1).step);
    EXPECT_TRUE(ReadScriptLine("", 1).error.empty());

    const ReadLine run = ReadScriptLine("run \"Add prompt\" new \"Two words\\t\\\"q\\\"\" 3,4", 7);
    ASSERT_TRUE(run.step) << run.error;
    EXPECT_EQ(run.step->line, 7);
    EXPECT_EQ(run.step->commandName, "Add prompt");
    ASSERT_EQ(run.step->values.size(), 2u);
    EXPECT_EQ(run.step->values[0].text, "Two words\t\"q\"");
    EXPECT_TRUE(run.step->values[0].quoted);
    EXPECT_FALSE(run.step->values[1].quoted);

    const ReadLine box = ReadScriptLine("run \"Reset box\" box 3,2 17,77", 1);
    ASSERT_TRUE(box.step) << box.error;
    EXPECT_EQ(box.step->key.identifier.row, 3);
    EXPECT_EQ(box.step->key.identifier.column, 2);
    EXPECT_EQ(box.step->key.bottomRow, 17);
    EXPECT_EQ(box.step->key.rightColumn, 77);

    const ReadLine prompt = ReadScriptLine("run \"Move display\" prompt \"Notes:\" 15,4 16,4", 1);
    ASSERT_TRUE(prompt.step) << prompt.error;
    EXPECT_EQ(prompt.step->key.identifier.identificationKind, 5);
    EXPECT_EQ(prompt.step->key.identifier.text, "Notes:");

    EXPECT_EQ(Escaped("a\tb\nc\\"), "a\\tb\\nc\\\\");
}

TEST(ScriptLines, AWholeScriptIsCheckedBeforeItRuns) {
    struct Case {
        const char* script;
        const char* errors;
    };
    const Case cases[] = {
        {"undo\n", "s:1: no entry is selected yet\n"},
        {"select A\nbatch\nundo\nend\n", "s:3: only 'run' lines go inside a batch\n"},
        {"select A\nend\n", "s:2: 'end' without 'batch'\n"},
        {"select A\nbatch\n", "s:2: the batch does not end\n"},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.script);
        std::ostringstream errors;
        std::vector<ScriptStep> steps;
        EXPECT_FALSE(ReadScript(in, "s", steps, errors)) << c.script;
        EXPECT_EQ(errors.str(), c.errors);
    }
}

// An endless line of one byte, as /dev/zero gives: the whole line was once
// read into memory before its length was checked (527 MB in 5 s).
class EndlessBytes : public std::streambuf {
public:
    explicit EndlessBytes(char byte) { block_.fill(byte); }
    std::size_t Served() const { return served_; }

protected:
    int_type underflow() override {
        if (served_ > kLimit) return traits_type::eof();  // a guard: the test fails instead of hanging
        served_ += block_.size();
        setg(block_.data(), block_.data(), block_.data() + block_.size());
        return traits_type::to_int_type(block_[0]);
    }

private:
    static constexpr std::size_t kLimit = std::size_t{64} << 20;
    std::array<char, 4096> block_;
    std::size_t served_ = 0;
};

TEST(ScriptLines, AnOverLongLineIsRefusedAsItIsRead) {
    for (char byte : {'\0', 'x'}) {
        EndlessBytes bytes(byte);
        std::istream in(&bytes);
        std::ostringstream errors;
        std::vector<ScriptStep> steps;
        EXPECT_FALSE(ReadScript(in, "s", steps, errors));
        EXPECT_EQ(errors.str(), "s:1: the line is longer than 100000 characters\n");
        // Refused within a block of the limit, not at the guard.
        EXPECT_LT(bytes.Served(), kMaxScriptLineLength + 2 * 4096);
    }
    // The longest line allowed still reads, NULs and all.
    std::string longest = "# " + std::string(kMaxScriptLineLength - 2, 'y');
    longest[5] = '\0';
    std::istringstream in(longest + "\nselect A");
    std::ostringstream errors;
    std::vector<ScriptStep> steps;
    EXPECT_TRUE(ReadScript(in, "s", steps, errors)) << errors.str();
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].entryName, "A");
    EXPECT_EQ(steps[0].line, 2);
}

}  // namespace
}  // namespace scfedit
