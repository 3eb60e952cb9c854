// The customiser's command line: the program path up to the first " -",
// each option's word, missing words, and the path shown when it cannot be
// opened.

#include <gtest/gtest.h>

#include "tessellar/settings/command_line.h"

namespace settings {
namespace {

TEST(CommandLine, EveryOptionTakesItsWord) {
    const CommandLine line = ParseCommandLineText(
        "/progs/my prog.op6 -s CUSTOMER -m /scf/a.scf -l d1;d2 -c ADD,QUIT -n srv progs=/usr/progs");
    EXPECT_EQ(line.programPath, "/progs/my prog.op6");
    EXPECT_EQ(line.screenName, "CUSTOMER");
    EXPECT_EQ(line.overridePath, "/scf/a.scf");
    EXPECT_EQ(line.overrideDirectories, "d1;d2");
    EXPECT_EQ(line.modes, "ADD,QUIT");
    EXPECT_TRUE(line.modesGiven);
    EXPECT_EQ(line.shareMappings, "srv progs=/usr/progs");
}

TEST(CommandLine, OptionWithoutItsWordIsIgnored) {
    const CommandLine line = ParseCommandLine({"-s", "-m", "x.scf", "-c"});
    EXPECT_EQ(line.programPath, "");
    EXPECT_EQ(line.screenName, "");
    EXPECT_EQ(line.overridePath, "x.scf");
    EXPECT_FALSE(line.modesGiven);
}

TEST(CommandLine, ScreenNameIsCutTo79Characters) {
    const CommandLine line = ParseCommandLine({"a.op6", "-s", std::string(100, 'N')});
    EXPECT_EQ(line.screenName, std::string(79, 'N'));
}

TEST(CommandLine, PathForMessageUsesOneSeparator) {
    EXPECT_EQ(PathForMessage("progs/missing.op6"), "progs\\missing.op6");
    EXPECT_EQ(PathForMessage("/progs\\missing.op6"), "/progs/missing.op6");
}

}  // namespace
}  // namespace settings
