// The form's rules without a window: the tool's command line, the checks,
// where the run log is, the settings and list files, and reading progress.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "promptsweep_ui/console_progress.h"
#include "promptsweep_ui/diff_files.h"
#include "promptsweep_ui/form_validation.h"
#include "promptsweep_ui/replacement_rows.h"
#include "promptsweep_ui/run_plan.h"
#include "promptsweep_ui/start_up.h"
#include "promptsweep_ui/tip_switches.h"
#include "tessellar/settings/memory_registry.h"
#include "testsupport/scratch_directory.h"

namespace sweepui {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// A start directory P, a saved list file and a tool, in one scratch tree.
class RunPlanTest : public ::testing::Test {
protected:
    RunPlanTest() {
        fs::create_directory(Start());
        WriteText(List(), "\"a\",\"b\"\n");
        WriteText(Tool(), "");
    }
    std::string Start() const { return (scratch_.Path() / "P").string(); }
    std::string List() const { return (scratch_.Path() / "replacelist.txt").string(); }
    std::string Tool() const { return (scratch_.Path() / "promptsweep").string(); }
    std::string Out() const { return (scratch_.Path() / "D").string(); }

    testsupport::ScratchDirectory scratch_;
};

TEST_F(RunPlanTest, CommandLinesAreBuiltExactlyWithTheirDoubleBlanks) {
    struct Row {
        const char* why;
        OutputLocation location;
        bool reportOnly, exclude, override;
        bool withOutput;
        std::string expectedTail;  // after "P -L list "
    };
    const std::string out = Out();
    const std::string start = Start();
    const Row rows[] = {
        {"beside the programs, nothing ticked", OutputLocation::ProgramDirectory, false, false, false, false,
         " -O 1  -v "},
        {"report only without an output directory", OutputLocation::ProgramDirectory, true, false, false, false,
         " -O 0 " + start + " -v "},
        {"report only with an output directory", OutputLocation::ProgramDirectory, true, false, false, true,
         " -O 0 " + out + "  -v "},
        {"all in one directory", OutputLocation::AllInOne, false, false, false, true, "-O 3 " + out + " -v "},
        {"mirror tree, both switches", OutputLocation::Structure, false, true, true, true,
         "-O 2 " + out + " -v  -x  -n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        FormOptions options{.startDirectory = "  " + start + " ", .outputDirectory = row.withOutput ? out : "",
                            .location = row.location, .excludeSubDirectories = row.exclude,
                            .overridePrevious = row.override, .reportOnly = row.reportOnly};
        const RunPlan plan = PlanRun(options, List(), Tool());
        EXPECT_EQ(plan.refusal, "");
        EXPECT_EQ(plan.commandLine, start + " -L " + List() + " " + row.expectedTail);
        EXPECT_EQ(plan.toolPath, Tool());
        EXPECT_EQ(plan.consoleCopyPath, start + "/scfconsole.tmp");
        // The words the tool receives are the line's words, a path in one piece.
        std::string joined;
        for (const std::string& word : plan.arguments) joined += word + " ";
        std::string squeezed;
        for (char c : plan.commandLine + " ") {
            if (c != ' ' || (!squeezed.empty() && squeezed.back() != ' ')) squeezed += c;
        }
        EXPECT_EQ(joined, squeezed);
    }
}

TEST_F(RunPlanTest, APathWithBlanksStaysOneArgument) {
    const std::string start = (scratch_.Path() / "My Programs").string();
    fs::create_directory(start);
    const RunPlan plan = PlanRun({.startDirectory = start}, List(), Tool());
    EXPECT_EQ(plan.arguments, (std::vector<std::string>{start, "-L", List(), "-O", "1", "-v"}));
}

TEST_F(RunPlanTest, AMissingOutputDirectoryIsMadeOneLevelDeep) {
    const RunPlan made = PlanRun({.startDirectory = Start(), .outputDirectory = Out(),
                                  .location = OutputLocation::Structure}, List(), Tool());
    EXPECT_EQ(made.refusal, "");
    EXPECT_TRUE(fs::is_directory(Out()));

    const std::string deep = (scratch_.Path() / "x" / "y").string();
    const RunPlan refused = PlanRun({.startDirectory = Start(), .outputDirectory = deep,
                                     .location = OutputLocation::AllInOne}, List(), Tool());
    EXPECT_EQ(refused.refusal, "Cannot make Output Directory:" + deep);
}

TEST_F(RunPlanTest, MissingListFileOrToolStopsTheRun) {
    const std::string missing = (scratch_.Path() / "gone.txt").string();
    EXPECT_EQ(PlanRun({.startDirectory = Start()}, missing, Tool()).refusal,
              "INTERNAL ERROR: ShortPathing problem - File not found: " + missing);
    EXPECT_EQ(PlanRun({.startDirectory = Start()}, List(), "").refusal,
              "INTERNAL ERROR: Short path to promptsweep.exe");
}

// Preview is the form's run in report-only mode with --diff, looking for
// the override files where OK would write them.
TEST_F(RunPlanTest, PreviewIsTheReportOnlyRunWithDiff) {
    struct Row {
        const char* why;
        OutputLocation location;
        bool exclude;
        std::vector<std::string> expectedOptions;  // after "P -L list"
    };
    const Row rows[] = {
        {"beside the programs: the start directory, whatever the output box holds",
         OutputLocation::ProgramDirectory, false, {"-O", "0", Start(), "--diff"}},
        {"a mirror tree under the output directory", OutputLocation::Structure, true,
         {"-O", "0", Out(), "-x", "--diff"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        fs::create_directories(Out());
        const RunPlan plan = PlanPreview({.startDirectory = Start(), .outputDirectory = Out(), .location = row.location,
                                          .excludeSubDirectories = row.exclude},
                                         List(), Tool());
        EXPECT_EQ(plan.refusal, "");
        std::vector<std::string> expected{Start(), "-L", List()};
        expected.insert(expected.end(), row.expectedOptions.begin(), row.expectedOptions.end());
        EXPECT_EQ(plan.arguments, expected);
        EXPECT_TRUE(plan.commandLine.ends_with(" --diff")) << plan.commandLine;
        EXPECT_EQ(plan.commandLine.find(" -v "), std::string::npos) << plan.commandLine;
    }
    EXPECT_EQ(PlanPreview({.startDirectory = Start()}, List(), "").refusal,
              "INTERNAL ERROR: Short path to promptsweep.exe");
}

TEST(DiffFiles, FilesAreFoundByTheirHeadersNeverByAnAddedLine) {
    const std::string diff = "--- a/cust.scf\n+++ b/cust.scf\n@@ -1,2 +1,4 @@\n screen s\n+--- x\n+++ y\n \t}\n"
                             "--- a/A/new.scf\n+++ b/A/new.scf\n@@ -0,0 +1 @@\n+only\n";
    const std::vector<DiffFile> files = DiffFiles(diff);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].path, "cust.scf");
    EXPECT_EQ(files[0].headerLine, 0u);
    EXPECT_EQ(files[1].path, "A/new.scf");
    EXPECT_EQ(files[1].headerLine, 7u);
    EXPECT_TRUE(DiffFiles("").empty());
    EXPECT_EQ(KindOfDiffLine("+added"), DiffLineKind::Added);
    EXPECT_EQ(KindOfDiffLine("-removed"), DiffLineKind::Removed);
    EXPECT_EQ(KindOfDiffLine("@@ -1 +1 @@"), DiffLineKind::Hunk);
    EXPECT_EQ(KindOfDiffLine("\\ No newline at end of file"), DiffLineKind::Note);
    EXPECT_EQ(KindOfDiffLine(" context"), DiffLineKind::Context);
}

TEST(Validation, EachFailedCheckAddsItsTextInOrder) {
    testsupport::ScratchDirectory scratch;
    const std::string start = scratch.Path().string();
    struct Row {
        const char* why;
        FormOptions options;
        std::size_t rows;
        std::string messages;
        bool focusOutput;
    };
    const Row rows[] = {
        {"nothing filled in", {}, 0,
         "- You must specify a valid PATH to PROCESS first\r\n- You must specify Strings to Find and Replace\r\n", false},
        {"a start directory that is not there", {.startDirectory = start + "/none"}, 1,
         "- INVALID DIRECTORY - You must specify a VALID PATH to PROCESS first\r\n", false},
        {"a nominated location without its directory",
         {.startDirectory = start, .location = OutputLocation::AllInOne}, 1,
         "- Please ensure you specify an OUTPUT DIRECTORY\r\n", true},
        {"blanks are no output directory",
         {.startDirectory = start, .outputDirectory = "  ", .location = OutputLocation::Structure}, 1,
         "- Please ensure you specify an OUTPUT DIRECTORY\r\n", true},
        {"all fine", {.startDirectory = start}, 2, "", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        const ValidationOutcome outcome = Validate(row.options, row.rows);
        EXPECT_EQ(outcome.messages, row.messages);
        EXPECT_EQ(outcome.goEnabled, row.messages.empty());
        EXPECT_EQ(outcome.editEnabled, row.rows > 0);
        EXPECT_EQ(outcome.focusOutputDirectory, row.focusOutput);
    }
}

// A list file whose pair holds a carriage return reached the tool, which
// refused it after the run had started: the form stops it first.
TEST(Validation, APairFromTheListFileWithACarriageReturnStopsTheRun) {
    testsupport::ScratchDirectory scratch;
    const fs::path list = scratch.Path() / "replacelist.txt";
    WriteText(list, "\"Customer\",\"Client\"\r\n\"Acc\rount\",\"Ledger\"\r\n");
    const std::vector<ReplacementRow> rows = ReadListFile(list.string());
    ASSERT_EQ(rows.size(), 2u);
    const FormOptions options{.startDirectory = scratch.Path().string()};
    const ValidationOutcome outcome = Validate(options, rows);
    EXPECT_FALSE(outcome.goEnabled);
    EXPECT_EQ(outcome.messages, "- The Find and REPLACEMENT texts cannot hold a line end or a carriage return\r\n");
    EXPECT_TRUE(Validate(options, std::vector<ReplacementRow>{rows.front()}).goEnabled);
}

TEST(Validation, RunLogIsLookedForWhereTheToolWritesIt) {
    testsupport::ScratchDirectory scratch;
    const fs::path start = scratch.Path() / "start";
    const fs::path out = scratch.Path() / "out";
    fs::create_directories(start);
    fs::create_directories(out);
    WriteText(start / "promptsweeplog.txt", "");
    WriteText(out / "promptsweeplog.txt", "");
    struct Row {
        const char* why;
        FormOptions options;
        fs::path expected;
    };
    const Row rows[] = {
        {"beside the programs", {.startDirectory = start, .outputDirectory = out}, start / "promptsweeplog.txt"},
        {"nominated directory", {.startDirectory = start, .outputDirectory = out, .location = OutputLocation::Structure},
         out / "promptsweeplog.txt"},
        // The tool was pointed at the output directory by " -O 0 out ".
        {"report only beside the programs with an output directory",
         {.startDirectory = start, .outputDirectory = out, .reportOnly = true}, out / "promptsweeplog.txt"},
        {"report only without an output directory", {.startDirectory = start, .reportOnly = true},
         start / "promptsweeplog.txt"},
        {"nominated directory left empty", {.startDirectory = start, .location = OutputLocation::AllInOne}, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        const ValidationOutcome outcome = Validate(row.options, 1);
        EXPECT_EQ(outcome.runLogPath, row.expected.string());
        EXPECT_EQ(outcome.viewLogEnabled, !row.expected.empty());
    }
    fs::remove(start / "promptsweeplog.txt");
    EXPECT_EQ(RunLogPath({.startDirectory = start}), "");
}

TEST(SettingsFile, SixLinesWrittenAndReadBack) {
    testsupport::ScratchDirectory scratch;
    const std::string path = (scratch.Path() / "promptsweep.ini").string();
    const FormOptions options{.startDirectory = "/srv/progs", .outputDirectory = "/srv/out",
                              .location = OutputLocation::AllInOne, .excludeSubDirectories = true,
                              .overridePrevious = false, .reportOnly = true};
    ASSERT_TRUE(WriteSettingsFile(path, options));
    EXPECT_EQ(ReadText(path), "/srv/progs\n/srv/out\n2\n1\n0\n1\n");
    EXPECT_EQ(ReadSettingsFile(path), options);
    EXPECT_FALSE(fs::exists(path + ".new"));
}

TEST(SettingsFile, DamagedOrMissingLinesKeepTheirDefaults) {
    testsupport::ScratchDirectory scratch;
    const fs::path path = scratch.Path() / "promptsweep.ini";
    WriteText(path, "C:\\P\r\n\r\n7\r\nyes\r\n1\r\n");
    const FormOptions read = ReadSettingsFile(path.string());
    EXPECT_EQ(read, (FormOptions{.startDirectory = "C:\\P", .overridePrevious = true}));
    EXPECT_EQ(ReadSettingsFile((scratch.Path() / "none.ini").string()), FormOptions{});
}

TEST(ListFile, PairsAreWrittenInTheToolsFormatAndReadBackTrimmed) {
    testsupport::ScratchDirectory scratch;
    const fs::path path = scratch.Path() / "replacelist.txt";
    ASSERT_TRUE(WriteListFile(path.string(), {{"Customer", "Client"}, {"Qty", "Quantity"}}));
    EXPECT_EQ(ReadText(path), "\"Customer\",\"Client\"\n\"Qty\",\"Quantity\"\n");

    WriteText(path, "\"Customer\" , \" Client \"\r\n\r\nplain,text,more\n\"\",\"nothing to find\"\nlonely\n");
    EXPECT_EQ(ReadListFile(path.string()), (std::vector<ReplacementRow>{
                                               {"Customer", "Client"}, {"plain", "text"}, {"lonely", ""}}));
    ASSERT_TRUE(WriteListFile(path.string(), {}));
    EXPECT_EQ(ReadText(path), "");
}

TEST(Replacement, SameAfterTrimmingIsRefusedLongerIsWarned) {
    EXPECT_EQ(CheckReplacement("Customer", " Customer "), ReplacementCheck::Same);
    EXPECT_EQ(CheckReplacement("Cust", "Customer"), ReplacementCheck::Longer);
    EXPECT_EQ(CheckReplacement("Customer", "Client"), ReplacementCheck::Fine);
    EXPECT_EQ(CheckReplacement("", ""), ReplacementCheck::Fine);
}

TEST(ConsoleProgress, CountsProgramLinesAndSeesTheEnd) {
    ConsoleProgress progress("/srv/progs");
    for (const char* line : {"/srv/progs/a.op6 -> a.scf", "/srv/progs/sub/b.op6", " -> Customer - Not Found",
                             " -> Qty - Not Found", "/srv/progsother/c.op6", ""}) {
        progress.Take(line);
    }
    EXPECT_EQ(progress.Programs(), 2);
    EXPECT_FALSE(progress.FinishedSeen());
    progress.Take("PROCESS finished");
    EXPECT_TRUE(progress.FinishedSeen());
}

TEST(StartUp, DebugWordsTipsAndTheListFilesDirectory) {
    EXPECT_TRUE(HasDebugWord({"x", "-DEBUG"}));
    EXPECT_TRUE(HasDebugWord({"--Debug=1"}));
    EXPECT_FALSE(HasDebugWord({"debug"}));
    EXPECT_TRUE(TipIsOn(std::nullopt));
    EXPECT_TRUE(TipIsOn("1"));
    EXPECT_FALSE(TipIsOn(" 0 "));

    testsupport::ScratchDirectory scratch;
    EXPECT_EQ(ListFileDirectory(scratch.Path().string(), "/data"), scratch.Path().string());
    EXPECT_EQ(ListFileDirectory((scratch.Path() / "none").string(), "/data"), "/data");

    settings::MemoryRegistry registry;
    registry.WriteString(settings::RegistryRoot::CurrentUser, "SOFTWARE\\ORVALE\\PROMPTSWEEP\\Settings", "Tip2", "0");
    TipSwitches tips(registry);
    EXPECT_FALSE(tips.IsOn(Tip::StartTip));
    EXPECT_TRUE(tips.IsOn(Tip::LongerTip));
    tips.SwitchOff(Tip::LongerTip);
    EXPECT_FALSE(tips.IsOn(Tip::LongerTip));
    EXPECT_EQ(registry.ReadString(settings::RegistryRoot::CurrentUser, "SOFTWARE\\ORVALE\\PROMPTSWEEP\\Settings", "Tip1"),
              "0");
}

}  // namespace
}  // namespace sweepui
