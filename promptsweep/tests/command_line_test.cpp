#include "promptsweep/command_line.h"

#include <gtest/gtest.h>

namespace promptsweep {
namespace {

CommandLine Parse(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "promptsweep");
    return ParseCommandLine(arguments);
}

TEST(SweepCommandLine, DefaultsAndOptionWordsAnywhereFromTheThirdArgument) {
    const CommandLine line = Parse({"C:/progs", "-R", "Customer", "Client", "-V", "-X"});
    ASSERT_FALSE(line.usageError);
    EXPECT_EQ(line.options.startDirectory, "C:/progs");
    EXPECT_EQ(line.options.outputDirectory, "C:/progs");
    EXPECT_EQ(line.options.outputMode, kReportOnly);
    EXPECT_TRUE(line.options.verbose);
    EXPECT_FALSE(line.options.includeSubdirectories);
    EXPECT_TRUE(line.options.leaveOldReplacements);

    const CommandLine list = Parse({"d", "-l", "-n", "-x"});
    EXPECT_TRUE(list.options.listMode);
    EXPECT_EQ(list.options.listFileName, "-n");
    EXPECT_FALSE(list.options.leaveOldReplacements);
}

TEST(SweepCommandLine, ModeAndDirectoryOfDashO) {
    EXPECT_EQ(Parse({"d", "-R", "a", "b", "-O", "2", "out"}).options.outputDirectory, "out");
    EXPECT_EQ(Parse({"d", "-R", "a", "b", "-O", "0", "out"}).options.outputDirectory, "out");
    EXPECT_EQ(Parse({"d", "-R", "a", "b", "-O", "1", "out"}).options.outputDirectory, "d");
    EXPECT_EQ(Parse({"d", "-R", "a", "b", "-O", "-1", "out"}).options.outputDirectory, "d");
    EXPECT_EQ(Parse({"d", "-R", "a", "b", "-O", "-1", "out"}).options.outputMode, -1);
    EXPECT_EQ(Parse({"d", "-R", "a", "b", "-O", "x", "out"}).options.outputMode, 0);  // atoi
    const CommandLine dashDirectory = Parse({"d", "-R", "a", "b", "-O", "3", "-v"});
    EXPECT_EQ(dashDirectory.options.outputDirectory, "d");
    EXPECT_TRUE(dashDirectory.options.verbose);
    EXPECT_EQ(dashDirectory.notes, "");
    // The mode itself is compared with the option words.
    const CommandLine modeWord = Parse({"d", "-R", "a", "b", "-O", "-N"});
    EXPECT_EQ(modeWord.options.outputMode, 0);
    EXPECT_FALSE(modeWord.options.leaveOldReplacements);
}

TEST(SweepCommandLine, UsageErrors) {
    EXPECT_TRUE(Parse({"d", "-R"}).usageError);
    EXPECT_TRUE(Parse({"d", "-R", "a"}).usageError);
    EXPECT_TRUE(Parse({"d", "R", "a", "b"}).usageError);
    EXPECT_TRUE(Parse({"d", "-RR", "a", "b"}).usageError);
    EXPECT_FALSE(Parse({"d", "-L", "list"}).usageError);
}

}  // namespace
}  // namespace promptsweep
