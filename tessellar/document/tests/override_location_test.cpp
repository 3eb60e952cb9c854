// Where the override file of an opened program is looked for: names, the
// two list rules, separators, and which source wins.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tessellar/document/override_location.h"

namespace document {
namespace {

TEST(OverrideLocation, FileNameTakesScfWhateverTheExtension) {
    EXPECT_EQ(OverrideFileName("/progs/X.op5"), "X.scf");
    EXPECT_EQ(OverrideFileName("/progs/X.op6"), "X.scf");
    EXPECT_EQ(OverrideFileName("c:\\progs\\X"), "X.scf");
    // A dot in a directory name is no extension of the file.
    EXPECT_EQ(OverrideFileName("/a.b/X"), "X.scf");
    EXPECT_EQ(WithOverrideExtension("/a.b/X"), "/a.b/X.scf");
    EXPECT_EQ(WithOverrideExtension("/a/picked.op6"), "/a/picked.scf");
}

TEST(OverrideLocation, ListCharactersDependOnTheSource) {
    EXPECT_FALSE(IsDirectoryList("c:\\scf", DirectorySource::Registry));
    EXPECT_TRUE(IsDirectoryList("c:\\scf", DirectorySource::CommandLine));
    EXPECT_EQ(SplitDirectoryList("c:\\scf", DirectorySource::CommandLine),
              (std::vector<std::string>{"c", "\\scf"}));
    EXPECT_EQ(SplitDirectoryList("d1;d2,d3", DirectorySource::Registry),
              (std::vector<std::string>{"d1", "d2", "d3"}));
    EXPECT_EQ(SplitDirectoryList(";d1;;", DirectorySource::Registry), (std::vector<std::string>{"d1"}));
}

TEST(OverrideLocation, DirectoryGetsOneSeparator) {
    EXPECT_EQ(OverridePathIn("/scf", "X.scf"), "/scf/X.scf");
    EXPECT_EQ(OverridePathIn("/scf/", "X.scf"), "/scf/X.scf");
    EXPECT_EQ(OverridePathIn("c:\\scf\\", "X.scf"), "c:\\scf\\X.scf");
    EXPECT_EQ(OverridePathIn("c:\\scf", "X.scf"), "c:\\scf/X.scf");
}

// What the dialogs were asked and answered in one run of the rules.
struct Dialogs {
    std::optional<std::vector<std::string>> offered;  // the directory list shown
    int fileDialogs = 0;
    std::optional<std::string> directoryAnswer;
    std::optional<std::string> fileAnswer;

    OverrideLocationPrompts Prompts() {
        return {[this](const std::vector<std::string>& choices) {
                    offered = choices;
                    return directoryAnswer;
                },
                [this] {
                    ++fileDialogs;
                    return fileAnswer;
                }};
    }
};

TEST(OverrideLocation, CommandLineFileWinsOverEverything) {
    Dialogs dialogs;
    const auto path = LocateOverrideFile({"/p/X.op6", "/m/given.scf", "d1;d2", "r1;r2"}, dialogs.Prompts());
    EXPECT_EQ(path, "/m/given.scf");
    EXPECT_FALSE(dialogs.offered);
    EXPECT_EQ(dialogs.fileDialogs, 0);
}

TEST(OverrideLocation, RegistryListOffersItsDirectories) {
    Dialogs dialogs;
    dialogs.directoryAnswer = "d2";
    EXPECT_EQ(LocateOverrideFile({"/p/X.op6", "", "", "d1;d2"}, dialogs.Prompts()), "d2/X.scf");
    EXPECT_EQ(dialogs.offered, (std::vector<std::string>{"d1", "d2"}));
}

TEST(OverrideLocation, DrivePathIsOneDirectoryInTheRegistryAndAListOnTheCommandLine) {
    Dialogs fromRegistry;
    EXPECT_EQ(LocateOverrideFile({"/p/X.op6", "", "", "c:\\scf"}, fromRegistry.Prompts()), "c:\\scf/X.scf");
    EXPECT_FALSE(fromRegistry.offered);

    Dialogs fromCommandLine;
    fromCommandLine.directoryAnswer = "\\scf";
    EXPECT_EQ(LocateOverrideFile({"/p/X.op6", "", "c:\\scf", "/ignored"}, fromCommandLine.Prompts()),
              "\\scf/X.scf");
    EXPECT_EQ(fromCommandLine.offered, (std::vector<std::string>{"c", "\\scf"}));
}

TEST(OverrideLocation, CancelledChoicesFallToTheFileDialog) {
    Dialogs dialogs;  // both dialogs cancelled
    EXPECT_EQ(LocateOverrideFile({"/p/X.op6", "", "d1;d2", std::nullopt}, dialogs.Prompts()), std::nullopt);
    EXPECT_EQ(dialogs.fileDialogs, 1);

    Dialogs noSetting;
    noSetting.fileAnswer = "/chosen/Y.txt";
    EXPECT_EQ(LocateOverrideFile({"/p/X.op6", "", "", std::nullopt}, noSetting.Prompts()), "/chosen/Y.scf");
}

}  // namespace
}  // namespace document
