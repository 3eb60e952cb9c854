// The real binary on bad input: directories it may not read or write,
// damaged programs, very long paths. It says what the messages say, goes on
// with the walk where it can, and never loses a file.

#include <gtest/gtest.h>

#include <filesystem>

#include "promptsweep/tests/expected_texts.h"
#include "promptsweep/tests/run_tool.h"
#include "promptsweep/tests/sample_programs.h"
#include "tools/opimage/image.h"

namespace promptsweep::testing {
namespace {

namespace fs = std::filesystem;

const RunSettings kUnprivileged{.workingDirectory = {}, .unprivileged = true};

void MakeReadOnly(const fs::path& path) {
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
}

#define REQUIRE_PERMISSIONS()                                                             \
    if (!CanTestPermissions()) GTEST_SKIP() << "permission bits do not bind for this user"

TEST(SweepDirectories, AnUnwritableOutputDirectoryEndsTheRun) {
    REQUIRE_PERMISSIONS();
    OpenScratch scratch;
    const fs::path out = scratch.Path() / "out";
    fs::create_directory(out);
    MakeReadOnly(out);
    const ToolRun run = RunTool({scratch.Path().string(), "-R", "a", "b", "-O", "2", out.string()}, kUnprivileged);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, "No permission to write to Directory: " + out.string() + "\n");
    EXPECT_FALSE(fs::exists(scratch.Path() / "scfconsole.tmp"));
}

TEST(SweepDirectories, AnOutputDirectoryThatCannotBeCreatedEndsTheRun) {
    OpenScratch scratch;
    WriteText(scratch / "file", "not a directory");
    for (const std::string& out : {scratch / "missing/deeper", scratch / "file"}) {
        const ToolRun run = RunTool({scratch.Path().string(), "-R", "a", "b", "-O", "0", out});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.output, "Unable to create or locate Directory: " + out + "\n");
    }
    EXPECT_FALSE(fs::exists(scratch.Path() / "missing"));
}

TEST(SweepDirectories, AnUnwritableMirrorDirectoryFallsBackToTheOutputDirectory) {
    REQUIRE_PERMISSIONS();
    OpenScratch scratch;
    const fs::path start = scratch.Path() / "start";
    const fs::path out = scratch.Path() / "out";
    WriteProgram(TitledProgram("a", "Customer A"), start / "A" / "a.op6");
    WriteProgram(TitledProgram("b", "Customer B"), start / "B" / "b.op6");
    fs::create_directories(out / "A");
    OpenTree(scratch.Path());
    MakeReadOnly(out / "A");

    const ToolRun run =
        RunTool({start.string(), "-R", "Customer", "Client", "-O", "2", out.string()}, kUnprivileged);

    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "No permission to write to Directory: " + (out / "A").string() + "\n");
    EXPECT_EQ(Masked(ReadText(out / "a.scf")),
              NewContentHeader() + ProgramLine((start / "A" / "a.op6").string()) +
                  Lines({"screen a", "\t{", "\twindow", "\t\t{", "\t\ttitle = \"Client A\"", "\t\t}", "\t}", ""}));
    EXPECT_TRUE(fs::exists(out / "B" / "b.scf"));
}

TEST(SweepDirectories, AnUnreadableSubDirectoryIsPassedOverAndTheWalkGoesOn) {
    REQUIRE_PERMISSIONS();
    OpenScratch start;
    WriteProgram(TitledProgram("a", "Customer"), start.Path() / "A" / "a.op6");
    WriteProgram(TitledProgram("b", "Customer"), start.Path() / "B" / "b.op6");
    OpenTree(start.Path());
    fs::permissions(start.Path() / "A", fs::perms::none);

    const ToolRun run = RunTool({start.Path().string(), "-R", "Customer", "Client", "-O", "1"}, kUnprivileged);

    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(fs::exists(start.Path() / "B" / "b.scf"));
    EXPECT_NE(ReadText(start / "promptsweeplog.txt").find("# Summary - Checked 1 OP6 programs\n"), std::string::npos);
}

// Every matching text asks for the new content file again, and says so again.
TEST(SweepDirectories, AnUnwritableProgramDirectoryIsReportedForEveryMatchingText) {
    REQUIRE_PERMISSIONS();
    OpenScratch start;
    const fs::path directory = start.Path() / "locked";
    WriteProgram(DisplaysProgram({"Customer One", "Customer Two"}), directory / "p.op6");
    WriteProgram(TitledProgram("s", "Customer"), start.Path() / "open" / "q.op6");
    OpenTree(start.Path());
    MakeReadOnly(directory);

    const ToolRun run = RunTool({start.Path().string(), "-R", "Customer", "Client", "-O", "1", "-V"}, kUnprivileged);

    const std::string newContent = (directory / "p.new").string();
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find((directory / "p.op6").string() + " -> Cant create " + newContent + "\n -> Cant create " +
                              newContent + "\n"),
              std::string::npos);
    EXPECT_NE(Masked(ReadText(start / "promptsweeplog.txt"))
                  .find("Can't open/create: " + newContent + "\nCan't open/create: " + newContent + "\n" +
                        "*** Cannot append " + newContent + " to promptsweeplog.txt\n"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(start.Path() / "open" / "q.scf"));
}

TEST(SweepDirectories, WithoutAConsoleCopyTheRunGoesOnButWithoutARunLogItEnds) {
    REQUIRE_PERMISSIONS();
    OpenScratch scratch;
    const fs::path start = scratch.Path() / "start";
    const fs::path out = scratch.Path() / "out";
    WriteProgram(TitledProgram("s", "Customer"), start / "p.op6");
    OpenTree(scratch.Path());
    MakeReadOnly(start);

    ToolRun run = RunTool({start.string(), "-R", "Customer", "Client", "-O", "3", out.string()}, kUnprivileged);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "Can't open/create:" + (start / "scfconsole.tmp").string() + "\n");
    EXPECT_TRUE(fs::exists(out / "p.scf"));

    run = RunTool({start.string(), "-R", "Customer", "Client", "-O", "1"}, kUnprivileged);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, "Can't open/create:" + (start / "scfconsole.tmp").string() + "\nCan't open/create: " +
                              (start / "promptsweeplog.txt").string() + "\n");
}

// An override file that exists but cannot be read is never overwritten.
TEST(SweepDirectories, AnUnreadableOverrideFileIsNotReplaced) {
    REQUIRE_PERMISSIONS();
    OpenScratch start;
    WriteProgram(TitledProgram("s", "Customer"), start.Path() / "p.op6");
    WriteText(start / "p.scf", "private\n");
    fs::permissions(start / "p.scf", fs::perms::owner_read | fs::perms::owner_write);

    RunTool({start.Path().string(), "-R", "Customer", "Client", "-O", "1"}, kUnprivileged);

    EXPECT_EQ(ReadText(start / "p.scf"), "private\n");
    EXPECT_NE(ReadText(start / "promptsweeplog.txt").find("***Cannot merge/create SCF File: " + (start / "p.scf") + "\n"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(start / "p.new"));
}

TEST(SweepDamagedPrograms, EveryTruncationAndForgedSizeIsSurvivedAndTheWalkGoesOn) {
    OpenScratch start;
    const std::vector<std::uint8_t> bytes = opimage::Write(CustomerProgram()).bytes;
    // Cut at a spread of lengths, with the size field saying the cut length
    // so that records point past the end of the image.
    int written = 0;
    for (std::size_t length = 96; length < bytes.size(); length += 37) {
        std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
        for (int i = 0; i < 4; ++i) cut[51 + i] = static_cast<std::uint8_t>(length >> (24 - 8 * i));
        WriteText(start / ("cut" + std::to_string(1000 + length) + ".op6"), std::string(cut.begin(), cut.end()));
        ++written;
    }
    WriteProgram(CustomerProgram(), start.Path() / "whole.op6");

    const ToolRun run = RunTool({start.Path().string(), "-R", "Customer", "Client", "-O", "1"});

    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Masked(ReadText(start / "whole.scf")), CustomerOverrideFile(start / "whole.op6", "Client"));
    EXPECT_NE(ReadText(start / "promptsweeplog.txt")
                  .find("# Summary - Checked " + std::to_string(written + 1) + " OP6 programs\n"),
              std::string::npos);
}

TEST(SweepDamagedPrograms, AStatementListThatLoopsBackEndsTheVisit) {
    OpenScratch start;
    opimage::Image image = opimage::Write(DisplaysProgram({"Customer"}));
    // Point the display statement's next field at the statement itself.
    const std::uint32_t statement = image.layout.entries[0].body[0].offset;
    for (int i = 0; i < 3; ++i) image.bytes[statement + i] = static_cast<std::uint8_t>(statement >> (16 - 8 * i));
    WriteText(start / "loop.op6", std::string(image.bytes.begin(), image.bytes.end()));

    const ToolRun run = RunTool({start.Path().string(), "-R", "Customer", "Client", "-O", "1"});

    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Masked(ReadText(start / "loop.scf")),
              NewContentHeader() + ProgramLine(start / "loop.op6") +
                  Lines({"screen texts", "\t{", "\tdisplay", "\t\t{", "\t\torig_text = \"Customer\"",
                         "\t\torig_coordinate = 1,1", "\t\ttext = \"Client\"", "\t\t}", "\t}", ""}));
}

TEST(SweepLongPaths, PathsBeyond259CharactersAreWalkedAndMirroredWhole) {
    OpenScratch scratch;
    const fs::path start = scratch.Path() / "start";
    const fs::path out = scratch.Path() / "out";
    fs::path relative;
    for (int level = 0; level < 4; ++level) relative /= std::string(80, static_cast<char>('a' + level));
    WriteProgram(TitledProgram("s", "Customer"), start / relative / "deep.op6");
    ASSERT_GT((start / relative / "deep.op6").string().size(), 259u);

    const ToolRun run = RunTool({start.string(), "-R", "Customer", "Client", "-O", "2", out.string()});

    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(Masked(ReadText(out / relative / "deep.scf")),
              NewContentHeader() + ProgramLine((start / relative / "deep.op6").string()) +
                  Lines({"screen s", "\t{", "\twindow", "\t\t{", "\t\ttitle = \"Client\"", "\t\t}", "\t}", ""}));
}

TEST(SweepLongPaths, AnOverlongArgumentStringIsCutTo259Characters) {
    OpenScratch start;
    const std::string find(300, 'F');
    RunTool({start.Path().string(), "-R", find, "x"});
    EXPECT_NE(ReadText(start / "promptsweeplog.txt").find("# Replacing: '" + std::string(259, 'F') + "' with 'x'\n"),
              std::string::npos);
}

TEST(SweepLinks, ADirectoryLinkBackToAnAncestorIsNotFollowedAgain) {
    OpenScratch start;
    WriteProgram(TitledProgram("s", "Customer"), start.Path() / "A" / "p.op6");
    fs::create_directory_symlink(start.Path(), start.Path() / "A" / "loop");
    const ToolRun run = RunTool({start.Path().string(), "-R", "Customer", "Client", "-O", "1"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(ReadText(start / "promptsweeplog.txt").find("# Summary - Checked 1 OP6 programs\n"), std::string::npos);
}

TEST(SweepLinks, AnOutputDirectoryInsideTheStartDirectoryIsNotMirroredIntoItself) {
    OpenScratch start;
    WriteProgram(TitledProgram("s", "Customer"), start.Path() / "A" / "p.op6");
    const fs::path out = start.Path() / "out";
    const ToolRun run = RunTool({start.Path().string(), "-R", "Customer", "Client", "-O", "2", out.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(fs::exists(out / "A" / "p.scf"));
    EXPECT_FALSE(fs::exists(out / "out"));
}

}  // namespace
}  // namespace promptsweep::testing
