// The report switches are taken out of the arguments before the rest are
// read, and only where the switch's own operands are not.

#include "promptsweep/report_switches.h"

#include <gtest/gtest.h>

namespace promptsweep {
namespace {

using Arguments = std::vector<std::string>;

TEST(ReportSwitches, DiffAndJsonAreTakenOutAfterTheOperands) {
    const ReportSwitches taken =
        TakeReportSwitches({"ps", "dir", "-R", "Customer", "Client", "--diff", "-V", "--json", "run.json", "-O", "1"});
    EXPECT_TRUE(taken.diff);
    EXPECT_EQ(taken.jsonFile, "run.json");
    EXPECT_EQ(taken.partArguments, (Arguments{"ps", "dir", "-R", "Customer", "Client", "-V", "-O", "1"}));

    const ReportSwitches list = TakeReportSwitches({"ps", "dir", "-L", "pairs.txt", "--json=out.json"});
    EXPECT_FALSE(list.diff);
    EXPECT_EQ(list.jsonFile, "out.json");
    EXPECT_EQ(list.partArguments, (Arguments{"ps", "dir", "-L", "pairs.txt"}));
}

// A find string, replace string or list file of that name stays one.
TEST(ReportSwitches, OperandsOfTheSwitchAreNeverTaken) {
    const ReportSwitches find = TakeReportSwitches({"ps", "dir", "-R", "--diff", "--json"});
    EXPECT_FALSE(find.diff);
    EXPECT_FALSE(find.jsonFile);
    EXPECT_FALSE(find.jsonWithoutFile);
    EXPECT_EQ(find.partArguments, (Arguments{"ps", "dir", "-R", "--diff", "--json"}));
    EXPECT_EQ(TakeReportSwitches({"ps", "dir", "-L", "--diff"}).partArguments, (Arguments{"ps", "dir", "-L", "--diff"}));
    // A command line the tool refuses is left for it to refuse.
    EXPECT_EQ(TakeReportSwitches({"ps", "dir", "--help", "x"}).partArguments, (Arguments{"ps", "dir", "--help", "x"}));
    EXPECT_FALSE(TakeReportSwitches({"ps", "dir", "--help", "x"}).help);
}

TEST(ReportSwitches, HelpIsTheOnlyArgumentAndJsonNeedsAFile) {
    EXPECT_TRUE(TakeReportSwitches({"ps", "--help"}).help);
    EXPECT_FALSE(TakeReportSwitches({"ps"}).help);
    const ReportSwitches last = TakeReportSwitches({"ps", "dir", "-R", "a", "b", "--json"});
    EXPECT_TRUE(last.jsonWithoutFile);
    EXPECT_FALSE(last.jsonFile);
}

}  // namespace
}  // namespace promptsweep
