// The form refuses a pair that the tool would refuse: a line end or a
// carriage return inside either text would break the statement it is
// written into.

#include <gtest/gtest.h>

#include <ostream>

#include "promptsweep_ui/replacement_rows.h"

namespace sweepui {
namespace {

struct PairCase {
    const char* name;
    const char* find;
    const char* replace;
    ReplacementCheck check;
};

// Test names and messages show the row's own name.
void PrintTo(const PairCase& row, std::ostream* out) { *out << row.name; }

const PairCase kPairs[] = {
    {"LineEndInTheReplacement", "Customer", "a\nscreen EVIL\n{", ReplacementCheck::LineBreak},
    {"CarriageReturnInTheReplacement", "Customer", "Cli\rent", ReplacementCheck::LineBreak},
    {"LineEndInTheFindString", "Cust\nomer", "Client", ReplacementCheck::LineBreak},
    {"LineEndAtTheEnd", "Customer", "Client\r\n", ReplacementCheck::LineBreak},
    {"TabsStay", "Customer", "Cli\tent", ReplacementCheck::Fine},
};

class FormLineBreakRule : public ::testing::TestWithParam<PairCase> {};

TEST_P(FormLineBreakRule, APairHoldingALineBreakIsRefused) {
    EXPECT_EQ(CheckReplacement(GetParam().find, GetParam().replace), GetParam().check);
}

INSTANTIATE_TEST_SUITE_P(Pairs, FormLineBreakRule, ::testing::ValuesIn(kPairs),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sweepui
