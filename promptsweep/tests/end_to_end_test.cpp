// The real binary on trees of programs: output modes, the walk, console
// lines, the console copy, the run log and the command line's quirks.

#include <gtest/gtest.h>

#include <filesystem>

#include "promptsweep/tests/expected_texts.h"
#include "promptsweep/tests/run_tool.h"
#include "promptsweep/tests/sample_programs.h"

namespace promptsweep::testing {
namespace {

namespace fs = std::filesystem;

// Every file under a directory, as paths relative to it, sorted.
std::vector<std::string> FilesUnder(const fs::path& root) {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        files.push_back(fs::relative(entry.path(), root).string() + (entry.is_directory() ? "/" : ""));
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string Banner(const std::string& output, const std::string& log) {
    return "\nPROMPTSWEEP Ver 0.4.0\n\n\nOutput   - " + output + "\nLog File - " + log + "\n\n";
}

const char* const kFinished = "\n\nProcess Finished\n";

TEST(SweepCreation, ModeOneWritesTheOverrideFileBesideTheProgramAndTheSameContentIntoTheLog) {
    OpenScratch start;
    const std::string program = start / "cust.op6";
    WriteProgram(CustomerProgram(), program);

    const ToolRun run = RunTool({start.Path().string(), "-R", "Customer", "Client", "-O", "1", "-V"});

    EXPECT_EQ(run.status, 0);
    const std::string log = start / "promptsweeplog.txt";
    EXPECT_EQ(run.output, Banner(start.Path().string(), log) + program + " -> cust.scf\n" + kFinished);
    EXPECT_EQ(ReadText(start / "scfconsole.tmp"), program + " -> cust.scf\n" + kFinished);
    EXPECT_EQ(Masked(ReadText(start / "cust.scf")), CustomerOverrideFile(program, "Client"));
    EXPECT_EQ(Masked(ReadText(log)),
              RunLogHeader(start.Path().string(), "1 - Output to Program's Directories", Replacing("Customer", "Client")) +
                  ProgramLine(program) + CustomerSections("Client") + RunLogSummary(1, 1));
    EXPECT_EQ(FilesUnder(start.Path()),
              (std::vector<std::string>{"cust.op6", "cust.scf", "promptsweeplog.txt", "scfconsole.tmp"}));
}

TEST(SweepCreation, QuietRunPrintsNothingAndLeavesTheConsoleCopyEmpty) {
    OpenScratch start;
    WriteProgram(CustomerProgram(), start.Path() / "cust.op6");
    const ToolRun run = RunTool({start.Path().string(), "-r", "Customer", "Client", "-o", "1"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(ReadText(start / "scfconsole.tmp"), "");
    EXPECT_TRUE(fs::exists(start / "cust.scf"));
}

TEST(SweepReportOnly, WritesOnlyTheLogAndConsoleCopyAndCreatesTheMirrorDirectories) {
    OpenScratch scratch;
    const fs::path start = scratch.Path() / "start";
    const fs::path out = scratch.Path() / "out";
    WriteProgram(CustomerProgram(), start / "top.op6");
    WriteProgram(CustomerProgram(), start / "A" / "B" / "deep.op6");
    fs::create_directories(start / "A" / "empty");

    const ToolRun run = RunTool({start.string(), "-R", "Customer", "Client", "-O", "0", out.string()});

    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(FilesUnder(scratch.Path()),
              (std::vector<std::string>{"out/", "out/A/", "out/A/B/", "out/A/empty/", "out/promptsweeplog.txt",
                                        "start/", "start/A/", "start/A/B/", "start/A/B/deep.op6", "start/A/empty/",
                                        "start/scfconsole.tmp", "start/top.op6"}));
    const std::string top = (start / "top.op6").string();
    const std::string deep = (start / "A" / "B" / "deep.op6").string();
    EXPECT_EQ(Masked(ReadText(out / "promptsweeplog.txt")),
              RunLogHeader(start.string(), "0 - Report Only", Replacing("Customer", "Client")) + ProgramLine(top) +
                  CustomerSections("Client") + ProgramLine(deep) + CustomerSections("Client") +
                  RunLogSummary(2, 2, true));
}

TEST(SweepReportOnly, WithoutMatchesTheSummaryHasNoCreatedLine) {
    OpenScratch start;
    WriteProgram(CustomerProgram(), start.Path() / "cust.op6");
    const ToolRun run = RunTool({start.Path().string(), "-R", "Supplier", "Vendor", "-V"});
    EXPECT_EQ(run.output, Banner(start.Path().string(), start / "promptsweeplog.txt") + (start / "cust.op6") +
                              " -> Supplier - Not Found\n" + kFinished);
    EXPECT_EQ(Masked(ReadText(start / "promptsweeplog.txt")),
              RunLogHeader(start.Path().string(), "0 - Report Only", Replacing("Supplier", "Vendor")) +
                  RunLogSummary(1, 0, true));
}

// Two sub-directories of one name keep apart: the mirror holds the whole
// path below the start directory.
TEST(SweepMirror, ModeTwoMirrorsTheWholeRelativePath) {
    OpenScratch scratch;
    const fs::path start = scratch.Path() / "start";
    const fs::path out = scratch.Path() / "out";
    WriteProgram(CustomerProgram(), start / "top.op6");
    WriteProgram(TitledProgram("s1", "Customer One"), start / "A" / "X" / "same.op6");
    WriteProgram(TitledProgram("s2", "Customer Two"), start / "B" / "X" / "same.op6");

    WriteText(scratch / "list.txt", "\"Customer\",\"Client\"\n");
    const ToolRun second = RunTool({start.string(), "-L", (scratch / "list.txt"), "-O", "2", out.string()});

    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(Masked(ReadText(out / "top.scf")), CustomerOverrideFile((start / "top.op6").string(), "Client"));
    const std::string a = (start / "A" / "X" / "same.op6").string();
    const std::string b = (start / "B" / "X" / "same.op6").string();
    EXPECT_EQ(Masked(ReadText(out / "A" / "X" / "same.scf")),
              NewContentHeader() + ProgramLine(a) +
                  Lines({"screen s1", "\t{", "\twindow", "\t\t{", "\t\ttitle = \"Client One\"", "\t\t}", "\t}", ""}));
    EXPECT_EQ(Masked(ReadText(out / "B" / "X" / "same.scf")),
              NewContentHeader() + ProgramLine(b) +
                  Lines({"screen s2", "\t{", "\twindow", "\t\t{", "\t\ttitle = \"Client Two\"", "\t\t}", "\t}", ""}));
    EXPECT_FALSE(fs::exists(out / "X"));
    EXPECT_TRUE(fs::exists(start / "scfconsole.tmp"));
    EXPECT_NE(ReadText(out / "promptsweeplog.txt").find("#   Output Mode: 2 - Output to Directories under " +
                                                         out.string() + "\n"),
              std::string::npos);
}

TEST(SweepMirror, ModeThreePutsEveryOverrideFileInTheOutputDirectory) {
    OpenScratch scratch;
    const fs::path start = scratch.Path() / "start";
    const fs::path out = scratch.Path() / "out";
    WriteProgram(TitledProgram("one", "Customer One"), start / "A" / "first.op6");
    WriteProgram(TitledProgram("two", "Customer Two"), start / "B" / "C" / "second.op6");

    const ToolRun run = RunTool({start.string(), "-R", "Customer", "Client", "-O", "3", out.string()});

    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(FilesUnder(out), (std::vector<std::string>{"first.scf", "promptsweeplog.txt", "second.scf"}));
    EXPECT_NE(ReadText(out / "promptsweeplog.txt").find("#   Output Mode: 3 - All Output to " + out.string() + "\n"),
              std::string::npos);
    EXPECT_NE(ReadText(out / "promptsweeplog.txt").find("#           Created/Updated 2 SCF Files\n"),
              std::string::npos);
}

TEST(SweepWalk, ProgramsComeInNameOrderBeforeSubDirectoriesAndOnlyOp6FilesCount) {
    OpenScratch start;
    for (const char* name : {"b.op6", "a.OP6", "c.op5", "d.op6.bak"}) {
        WriteProgram(TitledProgram("s", "Customer"), start.Path() / name);
    }
    WriteProgram(TitledProgram("s", "Customer"), start.Path() / "sub" / "z.op6");
    WriteProgram(TitledProgram("s", "Customer"), start.Path() / "a-sub" / "y.op6");

    const ToolRun run = RunTool({start.Path().string(), "-R", "Nothing", "None", "-V", "-O", "1"});
    const std::string notFound = " -> Nothing - Not Found\n";
    EXPECT_EQ(run.output, Banner(start.Path().string(), start / "promptsweeplog.txt") + (start / "a.OP6") +
                              notFound + (start / "b.op6") + notFound + (start / "a-sub/y.op6") + notFound +
                              (start / "sub/z.op6") + notFound + kFinished);
    EXPECT_NE(ReadText(start / "promptsweeplog.txt").find("# Summary - Checked 4 OP6 programs\n"), std::string::npos);
}

TEST(SweepWalk, ExcludingSubDirectoriesProcessesTheStartDirectoryOnly) {
    OpenScratch start;
    WriteProgram(TitledProgram("s", "Customer"), start.Path() / "top.op6");
    WriteProgram(TitledProgram("s", "Customer"), start.Path() / "sub" / "below.op6");
    // A find string that is an option word takes effect as the option too.
    const ToolRun run = RunTool({start.Path().string(), "-R", "-X", "Client", "-O", "1"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Masked(ReadText(start / "promptsweeplog.txt")),
              RunLogHeader(start.Path().string(), "1 - Output to Program's Directories", Replacing("-X", "Client"), true,
                           false) +
                  RunLogSummary(1, 0));
}

TEST(SweepCommandLine, TooFewArgumentsAnUnknownSwitchOrAShortReplaceGiveTheUsage) {
    const std::string usage =
        std::string("\nPROMPTSWEEP Ver 0.4.0\n\nUsage: ") + PROMPTSWEEP_BINARY +
        "\n start-dir [switches] {options}\n\nSwitches:-\n[-R \"Find String\",\"Replace String\" | -L file containing "
        "list]\n\nOptions:-\n -V   = Verbose\n -X   = Exclude Sub Directories from processing\n -N   = NEW Term "
        "overrides OLD if SAME Term already replaced (default=Leave OLD)\n -O n { output-dir }\n    n = 0 = Report "
        "Only - All changes to promptsweeplog.txt in start-dir\n    n = 1 = SCF placed in Directory in which programs "
        "are found\n    n = 2 = SCF placed in Directory Structure under output-dir\n    n = 3 = SCF placed in "
        "output-dir only\n\n";
    OpenScratch start;
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{}, {start.Path().string(), "-R"}, {start.Path().string(), "-R", "Customer"},
          {start.Path().string(), "-Q", "a", "b"}, {start.Path().string(), "--help", "x"}}) {
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.output, usage);
    }
    EXPECT_EQ(FilesUnder(start.Path()), std::vector<std::string>{});
}

TEST(SweepCommandLine, OptionQuirksOfDashO) {
    OpenScratch scratch;
    const fs::path start = scratch.Path() / "start";
    WriteProgram(TitledProgram("s", "Customer"), start / "p.op6");
    const std::string s = start.string();

    // "-O" last: a note, and the mode stays report only.
    ToolRun run = RunTool({s, "-R", "Customer", "Client", "-O"});
    EXPECT_EQ(run.output, "NB: -O requires additional parameters\n");
    EXPECT_FALSE(fs::exists(start / "p.scf"));

    // "-O 3" last: the start directory is the output directory.
    run = RunTool({s, "-R", "Customer", "Client", "-O", "3"});
    EXPECT_EQ(run.output, "NB: -O [modes 0,2,3] require dir parameter - assuming StartDir\n");
    EXPECT_TRUE(fs::exists(start / "p.scf"));
    fs::remove(start / "p.scf");

    // "-O 2 -V": -V is no directory, but it still turns verbose on.
    run = RunTool({s, "-R", "Customer", "Client", "-O", "2", "-V"});
    EXPECT_EQ(run.output, Banner(s, (start / "promptsweeplog.txt").string()) + (start / "p.op6").string() +
                              " -> p.scf\n" + kFinished);
    EXPECT_TRUE(fs::exists(start / "p.scf"));
    fs::remove(start / "p.scf");

    // "-O 1 D": mode 1 reads no directory; the log stays in the start directory.
    fs::remove(start / "promptsweeplog.txt");
    run = RunTool({s, "-R", "Customer", "Client", "-O", "1", scratch / "elsewhere"});
    EXPECT_TRUE(fs::exists(start / "promptsweeplog.txt"));
    EXPECT_FALSE(fs::exists(scratch.Path() / "elsewhere"));

    // Any other mode places files as mode 1 and names no mode in the log.
    fs::remove(start / "p.scf");
    fs::remove(start / "promptsweeplog.txt");
    run = RunTool({s, "-R", "Customer", "Client", "-O", "7", scratch / "seven"});
    EXPECT_TRUE(fs::exists(start / "p.scf"));
    EXPECT_TRUE(fs::exists(scratch.Path() / "seven" / "promptsweeplog.txt"));
    EXPECT_NE(ReadText(scratch.Path() / "seven" / "promptsweeplog.txt").find("#   Output Mode: 7 - \n"),
              std::string::npos);
}

TEST(SweepRunLog, TwoRunsAppendTwoHeadersAndTwoSummaries) {
    OpenScratch start;
    WriteProgram(TitledProgram("s", "Customer"), start.Path() / "p.op6");
    RunTool({start.Path().string(), "-R", "Customer", "Client"});
    RunTool({start.Path().string(), "-R", "Customer", "Client", "-N"});
    const std::string program = start / "p.op6";
    const std::string section =
        Lines({"screen s", "\t{", "\twindow", "\t\t{", "\t\ttitle = \"Client\"", "\t\t}", "\t}", ""});
    EXPECT_EQ(Masked(ReadText(start / "promptsweeplog.txt")),
              RunLogHeader(start.Path().string(), "0 - Report Only", Replacing("Customer", "Client")) +
                  ProgramLine(program) + section + RunLogSummary(1, 1, true) +
                  RunLogHeader(start.Path().string(), "0 - Report Only", Replacing("Customer", "Client"), false) +
                  ProgramLine(program) + section + RunLogSummary(1, 1, true));
}

TEST(SweepListFile, PairsAreChainedAndEachUnmatchedPairIsReported) {
    OpenScratch start;
    WriteProgram(DisplaysProgram({"Alpha", "Beta"}), start.Path() / "p.op6");
    WriteProgram(DisplaysProgram({"Gamma"}), start.Path() / "q.op6");
    const std::string list = start / "pairs.lst";
    WriteText(list, "\"Alpha\" , \"Beta\"\n  \"Beta\",\"Delta\"  \r\n");

    const ToolRun run = RunTool({start.Path().string(), "-L", list, "-V", "-O", "1"});

    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, Banner(start.Path().string(), start / "promptsweeplog.txt") + (start / "p.op6") +
                              " -> p.scf\n" + (start / "q.op6") + "\n -> Alpha - Not Found\n -> Beta - Not Found\n" +
                              kFinished);
    EXPECT_EQ(Masked(ReadText(start / "p.scf")),
              NewContentHeader() + ProgramLine(start / "p.op6") +
                  Lines({"screen texts", "\t{",
                         "\tdisplay", "\t\t{", "\t\torig_text = \"Alpha\"", "\t\torig_coordinate = 1,1",
                         "\t\ttext = \"Delta\"", "\t\t}",
                         "\tdisplay", "\t\t{", "\t\torig_text = \"Beta\"", "\t\torig_coordinate = 2,1",
                         "\t\ttext = \"Delta\"", "\t\t}",
                         "\t}", ""}));
    EXPECT_NE(ReadText(start / "promptsweeplog.txt")
                  .find("# Replacements using List File: " + list + "\n#   'Alpha' with 'Beta'\n#   'Beta' with 'Delta'\n"),
              std::string::npos);
}

TEST(SweepListFile, FoundOnALaterPairNamesNoOverrideFileOnTheConsole) {
    OpenScratch start;
    WriteProgram(DisplaysProgram({"Beta"}), start.Path() / "p.op6");
    const std::string list = start / "pairs.lst";
    WriteText(list, "\"Alpha\",\"A\"\n\"Beta\",\"B\"\n");
    const ToolRun run = RunTool({start.Path().string(), "-l", list, "-v", "-o", "1"});
    EXPECT_EQ(run.output, Banner(start.Path().string(), start / "promptsweeplog.txt") + (start / "p.op6") +
                              "\n -> Alpha - Not Found\n" + kFinished);
    EXPECT_TRUE(fs::exists(start / "p.scf"));
}

TEST(SweepListFile, AOneLineListIsLoggedAsASingleReplacement) {
    OpenScratch start;
    const std::string list = start / "one.lst";
    WriteText(list, "\"Customer\",\"Client\"");
    RunTool({start.Path().string(), "-L", list});
    EXPECT_EQ(Masked(ReadText(start / "promptsweeplog.txt")),
              RunLogHeader(start.Path().string(), "0 - Report Only", Replacing("Customer", "Client")) +
                  RunLogSummary(0, 0, true));
}

TEST(SweepListFile, FaultyListsEndTheRunBeforeAnythingIsWritten) {
    OpenScratch start;
    const std::string closing =
        "Specification file has errors - Aborting\nFormat required: \"Find String\" , \"Replace String\"\n";
    struct Case {
        const char* name;
        std::string content;
        std::string output;
    };
    const std::string longLine = "\"" + std::string(998, 'x') + "\"";  // 1,000 characters, four pieces
    const std::vector<Case> cases = {
        {"no comma", "\"a\"\"b\"\n", "Incorrect Specification: \"a\"\"b\"\n\n" + closing},
        {"three quotes", "\"a\",\"b\n", "Incorrect Specification: \"a\",\"b\n\n" + closing},
        {"two commas", "\"a\",,\"b\"\n", "Incorrect Specification: \"a\",,\"b\"\n\n" + closing},
        {"bad line among good ones, last without line end", "\"a\",\"b\"\n\nc",
         "Incorrect Specification: \n\nIncorrect Specification: c\n" + closing},
        {"empty file", "", closing},
        {"line of 1000 characters",
         longLine + "\n",
         "Incorrect Specification: \"" + std::string(298, 'x') + "\n" + "Incorrect Specification: " +
             std::string(299, 'x') + "\n" + "Incorrect Specification: " + std::string(299, 'x') + "\n" +
             "Incorrect Specification: " + std::string(102, 'x') + "\"\n\n" + closing},
    };
    for (const Case& c : cases) {
        const std::string list = start / "list.txt";
        WriteText(list, c.content);
        const ToolRun run = RunTool({start.Path().string(), "-L", list, "-V"});
        EXPECT_EQ(run.status, 1) << c.name;
        EXPECT_EQ(run.output, c.output) << c.name;
        EXPECT_FALSE(fs::exists(start / "promptsweeplog.txt")) << c.name;
        EXPECT_FALSE(fs::exists(start / "scfconsole.tmp")) << c.name;
    }
    const ToolRun missing = RunTool({start.Path().string(), "-L", start / "absent.txt"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.output, "Can't read specification list: " + (start / "absent.txt") + "\n");
}

// Which texts count as holding the term "Customer".
TEST(SweepTermMatch, OnlyWholeTermsAtTheFirstOccurrenceMatch) {
    OpenScratch start;
    WriteProgram(DisplaysProgram({"Customer Code", "Customers", "<Customer>", "Customer:", "(Customer)",
                                  "Cust.Customer", "Code Customer", "Customer Cust"}),
                 start.Path() / "p.op6");
    RunTool({start.Path().string(), "-R", "Customer", "Client", "-O", "1"});
    auto display = [](const std::string& row, const std::string& from, const std::string& to) {
        return Lines({"\tdisplay", "\t\t{", "\t\torig_text = \"" + from + "\"", "\t\torig_coordinate = " + row + ",1",
                      "\t\ttext = \"" + to + "\"", "\t\t}"});
    };
    EXPECT_EQ(Masked(ReadText(start / "p.scf")),
              NewContentHeader() + ProgramLine(start / "p.op6") + "screen texts\n\t{\n" +
                  display("1", "Customer Code", "Client Code") + display("3", "<Customer>", "<Client>") +
                  display("4", "Customer:", "Client:") + display("6", "Cust.Customer", "Cust.Client") +
                  display("7", "Code Customer", "Code Client") + display("8", "Customer Cust", "Client Cust") +
                  "\t}\n\n");
}

// "Cust" first occurs inside "Customer", so the text does not match; when
// another pair hands it over, the replacement still reaches the later term.
TEST(SweepTermMatch, AFailedFirstOccurrenceHidesALaterTermButReplacementReachesIt) {
    OpenScratch start;
    WriteProgram(DisplaysProgram({"Customer Cust", "Name Customer Cust"}), start.Path() / "p.op6");
    const std::string list = start / "pairs.lst";
    WriteText(list, "\"Cust\",\"Cu\"\n");
    RunTool({start.Path().string(), "-L", list, "-O", "1"});
    EXPECT_FALSE(fs::exists(start / "p.scf"));

    WriteText(list, "\"Name\",\"Label\"\n\"Cust\",\"Cu\"\n");
    RunTool({start.Path().string(), "-L", list, "-O", "1"});
    EXPECT_EQ(Masked(ReadText(start / "p.scf")),
              NewContentHeader() + ProgramLine(start / "p.op6") +
                  Lines({"screen texts", "\t{", "\tdisplay", "\t\t{", "\t\torig_text = \"Name Customer Cust\"",
                         "\t\torig_coordinate = 2,1", "\t\ttext = \"Label Customer Cu\"", "\t\t}", "\t}", ""}));
}

TEST(SweepTermMatch, AFindStringOnlyInAnUnusedTextPassesThePretestButFindsNothing) {
    OpenScratch start;
    opimage::Program program = TitledProgram("s", "Orders");
    program.texts = {"Customer only in the table"};
    WriteProgram(program, start.Path() / "p.op6");
    const ToolRun run = RunTool({start.Path().string(), "-R", "Customer", "Client", "-V", "-O", "1"});
    EXPECT_EQ(run.output, Banner(start.Path().string(), start / "promptsweeplog.txt") + (start / "p.op6") +
                              " -> Customer - Not Found\n" + kFinished);
    EXPECT_EQ(FilesUnder(start.Path()), (std::vector<std::string>{"p.op6", "promptsweeplog.txt", "scfconsole.tmp"}));
}

TEST(SweepItems, ACompanionTextAloneHandsItsItemOver) {
    OpenScratch start;
    WriteProgram(CompanionProgram(), start.Path() / "p.op6");
    RunTool({start.Path().string(), "-R", "Customer", "Client", "-O", "1"});
    EXPECT_EQ(Masked(ReadText(start / "p.scf")),
              NewContentHeader() + ProgramLine(start / "p.op6") +
                  Lines({"screen companions", "\t{",
                         "\tdisplay", "\t\t{", "\t\torig_text = \"Code:\"", "\t\torig_coordinate = 1,1",
                         "\t\ttitle = \"Client\"", "\t\t}",
                         "\taccept", "\t\t{", "\t\tname = code", "\t\torig_coordinate = 2,5", "\t\ttitle = \"Client\"",
                         "\t\t}",
                         // A short display after an entry field has no title.
                         "\tdisplay", "\t\t{", "\t\torig_text = \"Customer Name\"", "\t\torig_coordinate = 3,1",
                         "\t\ttext = \"Client Name\"", "\t\t}",
                         // Items placed by expressions have no coordinate line.
                         "\taccept", "\t\t{", "\t\tname = lines[3]", "\t\thelpline = \"Client line\"", "\t\t}",
                         "\tdisplay", "\t\t{", "\t\torig_text = \"Customer total\"", "\t\ttext = \"Client total\"",
                         "\t\t}",
                         "\tbox", "\t\t{", "\t\torig_coordinate = ", "\t\ttitle = \"Client\"", "\t\t}",
                         "\t}", "",
                         // The option without a text is passed over.
                         "menu m", "\t{",
                         "\toption", "\t\t{", "\t\torig_text = \"Customer\"", "\t\ttext = \"Client\"", "\t\t}",
                         "\t}", ""}));
}

TEST(SweepLoading, AProgramThatFailsToLoadIsCountedAndSkipped) {
    OpenScratch start;
    WriteText(start / "a.op6", "too short");
    std::string wrongMagic(200, '\0');
    wrongMagic[33] = 0x0D; wrongMagic[34] = 0x0A; wrongMagic[35] = static_cast<char>(0xFF); wrongMagic[36] = 0x0B;
    wrongMagic[54] = static_cast<char>(200);
    WriteText(start / "b.op6", wrongMagic);
    WriteProgram(TitledProgram("s", "Customer"), start.Path() / "c.op6");

    const ToolRun run = RunTool({start.Path().string(), "-R", "Customer", "Client", "-V", "-O", "1"});

    EXPECT_EQ(run.status, 0);
    const std::string progress = (start / "a.op6") + "Error reading header\n" + (start / "b.op6") +
                                 "Not the correct operation table format\nMagic number was 0xd0aff0b (needed "
                                 "0xd0aff0a)\n" +
                                 (start / "c.op6") + " -> c.scf\n";
    EXPECT_EQ(run.output, Banner(start.Path().string(), start / "promptsweeplog.txt") + progress + kFinished);
    EXPECT_EQ(ReadText(start / "scfconsole.tmp"), progress + kFinished);
    EXPECT_NE(ReadText(start / "promptsweeplog.txt").find("# Summary - Checked 3 OP6 programs\n#           Created/Updated 1 SCF Files\n"),
              std::string::npos);

    // Without -V the loader's messages are printed all the same.
    const ToolRun quiet = RunTool({start.Path().string(), "-R", "Customer", "Client", "-O", "1"});
    EXPECT_EQ(quiet.output,
              "Error reading header\nNot the correct operation table format\nMagic number was 0xd0aff0b (needed "
              "0xd0aff0a)\n");
}

}  // namespace
}  // namespace promptsweep::testing
