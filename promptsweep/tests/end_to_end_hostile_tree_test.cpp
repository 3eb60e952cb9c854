// The real binary on trees that many people can write: links that lead out
// of the tree or stand in the place of the files the run writes, FIFOs and
// devices where files are expected, texts that would break a statement line.
// The run never writes outside its directories or through a link, never
// waits on a FIFO, and says what it refused.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <ostream>

#include "promptsweep/tests/expected_texts.h"
#include "promptsweep/tests/run_tool.h"
#include "promptsweep/tests/sample_programs.h"

namespace promptsweep::testing {
namespace {

namespace fs = std::filesystem;

// Long enough for any of these runs, short enough that a run waiting on a
// FIFO fails the test instead of hanging it.
constexpr unsigned kTimeout = 10;

const char* const kVictim = "victim's own text\n";

struct Tree {
    fs::path start;    // scratch/start
    fs::path outside;  // scratch/outside, holding files no run may touch
};

struct HostileTree {
    const char* name;
    // Builds the tree and gives the arguments after the program name.
    std::function<std::vector<std::string>(const Tree&)> build;
    std::function<void(const Tree&, const ToolRun&)> check;
};

// Test names and messages show the row's own name.
void PrintTo(const HostileTree& tree, std::ostream* out) { *out << tree.name; }

std::string Log(const Tree& tree) { return ReadText(tree.start / "promptsweeplog.txt"); }

bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::vector<std::string> Sweep(const Tree& tree, std::initializer_list<std::string> options) {
    std::vector<std::string> arguments{tree.start.string(), "-R", "Customer", "Client"};
    arguments.insert(arguments.end(), options);
    return arguments;
}

void MakeFifo(const fs::path& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0666), 0) << path; }

const HostileTree kTrees[] = {
    {"LineEndInTheReplacement",
     [](const Tree& tree) {
         WriteProgram(TitledProgram("s", "Customer"), tree.start / "p.op6");
         return std::vector<std::string>{tree.start.string(), "-R", "Customer", "a\nscreen EVIL\n{", "-O", "1"};
     },
     [](const Tree& tree, const ToolRun& run) {
         EXPECT_EQ(run.status, 1);
         EXPECT_EQ(run.output, "Incorrect Specification: \"Customer\",\"a\\nscreen EVIL\\n{\" - a line end or a "
                               "carriage return cannot stand in a text\n");
         EXPECT_FALSE(fs::exists(tree.start / "p.scf"));
         EXPECT_FALSE(fs::exists(tree.start / "promptsweeplog.txt"));  // refused before anything runs
     }},
    {"CarriageReturnInTheReplacement",
     [](const Tree& tree) {
         WriteProgram(TitledProgram("s", "Customer"), tree.start / "p.op6");
         return std::vector<std::string>{tree.start.string(), "-R", "Customer", "a\rb", "-O", "1"};
     },
     [](const Tree& tree, const ToolRun& run) {
         EXPECT_EQ(run.status, 1);
         EXPECT_TRUE(Holds(run.output, "Incorrect Specification: \"Customer\",\"a\\rb\" - "));
         EXPECT_FALSE(fs::exists(tree.start / "p.scf"));
     }},
    {"CarriageReturnInAListLine",
     [](const Tree& tree) {
         WriteProgram(TitledProgram("s", "Customer"), tree.start / "p.op6");
         WriteText(tree.outside / "list.txt", "\"Name\",\"Title\"\r\n\"Customer\",\"Cli\rent\"\r\n");
         return std::vector<std::string>{tree.start.string(), "-L", (tree.outside / "list.txt").string(), "-O", "1"};
     },
     [](const Tree& tree, const ToolRun& run) {
         EXPECT_EQ(run.status, 1);
         EXPECT_EQ(run.output,
                   "Incorrect Specification: \"Customer\",\"Cli\\rent\" - a line end or a carriage return cannot "
                   "stand in a text\nSpecification file has errors - Aborting\n"
                   "Format required: \"Find String\" , \"Replace String\"\n");
         EXPECT_FALSE(fs::exists(tree.start / "p.scf"));
     }},
    {"FolderLinkUpToTheParent",
     [](const Tree& tree) {
         WriteProgram(TitledProgram("s", "Customer"), tree.outside / "far.op6");
         fs::create_directory_symlink("..", tree.start / "up");
         return Sweep(tree, {"-O", "1", "-V"});
     },
     [](const Tree& tree, const ToolRun& run) {
         EXPECT_EQ(run.status, 0);
         EXPECT_FALSE(fs::exists(tree.outside / "far.scf"));
         const std::string note = "NB: " + (tree.start / "up").string() +
                                  " is a link that leads outside the run's directories - not followed\n";
         EXPECT_TRUE(Holds(run.output, note)) << run.output;
         EXPECT_TRUE(Holds(ReadText(tree.start / "scfconsole.tmp"), note));
         EXPECT_TRUE(Holds(Log(tree), note));
     }},
    {"FolderLinkToADirectoryOutside",
     [](const Tree& tree) {
         WriteProgram(TitledProgram("s", "Customer"), tree.outside / "far.op6");
         WriteProgram(TitledProgram("s", "Customer"), tree.start / "A" / "near.op6");
         fs::create_directory_symlink(tree.outside, tree.start / "far");
         return Sweep(tree, {"-O", "1"});
     },
     [](const Tree& tree, const ToolRun& run) {
         EXPECT_EQ(run.status, 0);
         EXPECT_EQ(run.output, "");  // quiet: the log alone says so
         EXPECT_FALSE(fs::exists(tree.outside / "far.scf"));
         EXPECT_TRUE(fs::exists(tree.start / "A" / "near.scf"));
         EXPECT_TRUE(Holds(Log(tree), "NB: " + (tree.start / "far").string() + " is a link that leads outside"));
         EXPECT_TRUE(Holds(Log(tree), "# Summary - Checked 1 OP6 programs\n"));
     }},
    {"FolderLinkInsideIsFollowed",
     [](const Tree& tree) {
         WriteProgram(TitledProgram("s", "Customer"), tree.start / "real" / "p.op6");
         fs::create_directories(tree.start / "B");
         fs::create_directory_symlink(tree.start / "real", tree.start / "B" / "alias");
         return Sweep(tree, {"-O", "3", (tree.start / "out").string()});
     },
     [](const Tree& tree, const ToolRun& run) {
         const std::string log = ReadText(tree.start / "out" / "promptsweeplog.txt");
         EXPECT_EQ(run.status, 0);
         EXPECT_TRUE(Holds(log, "# Summary - Checked 2 OP6 programs\n")) << log;
         EXPECT_FALSE(Holds(log, "NB: "));
     }},
    {"MirrorDirectoryLinkedOutside",
     [](const Tree& tree) {
         WriteProgram(TitledProgram("s", "Customer"), tree.start / "A" / "a.op6");
         fs::create_directories(tree.start.parent_path() / "out");
         fs::create_directory_symlink(tree.outside, tree.start.parent_path() / "out" / "A");
         return Sweep(tree, {"-O", "2", (tree.start.parent_path() / "out").string()});
     },
     [](const Tree& tree, const ToolRun& run) {
         const fs::path out = tree.start.parent_path() / "out";
         EXPECT_EQ(run.status, 0);
         EXPECT_FALSE(fs::exists(tree.outside / "a.scf"));
         EXPECT_TRUE(fs::is_regular_file(out / "a.scf"));  // the output directory itself takes it
         EXPECT_TRUE(Holds(ReadText(out / "promptsweeplog.txt"),
                           "NB: " + (out / "A").string() + " is a link that leads outside"));
     }},
    {"RunLogIsALinkOut",
     [](const Tree& tree) {
         WriteProgram(TitledProgram("s", "Customer"), tree.start / "p.op6");
         WriteText(tree.outside / "victim.txt", kVictim);
         fs::create_symlink(tree.outside / "victim.txt", tree.start / "promptsweeplog.txt");
         return Sweep(tree, {"-O", "1", "-V"});
     },
     [](const Tree& tree, const ToolRun& run) {
         const std::string log = (tree.start / "promptsweeplog.txt").string();
         EXPECT_EQ(run.status, 1);
         EXPECT_EQ(run.output, "Can't open/create: " + log + "\nNB: " + log + " is a link - not followed\n");
         EXPECT_EQ(ReadText(tree.outside / "victim.txt"), kVictim);
         EXPECT_TRUE(fs::is_symlink(tree.start / "promptsweeplog.txt"));
         EXPECT_FALSE(fs::exists(tree.start / "p.scf"));
     }},
    {"ConsoleCopyIsALinkOut",
     [](const Tree& tree) {
         WriteProgram(TitledProgram("s", "Customer"), tree.start / "p.op6");
         WriteText(tree.outside / "victim.scf", kVictim);
         fs::create_symlink(tree.outside / "victim.scf", tree.start / "scfconsole.tmp");
         return Sweep(tree, {"-O", "1", "-V"});
     },
     [](const Tree& tree, const ToolRun& run) {
         const std::string copy = (tree.start / "scfconsole.tmp").string();
         EXPECT_EQ(run.status, 0);
         EXPECT_TRUE(Holds(run.output, "Can't open/create:" + copy + "\nNB: " + copy + " is a link - not followed\n"));
         EXPECT_EQ(ReadText(tree.outside / "victim.scf"), kVictim);
         EXPECT_TRUE(fs::exists(tree.start / "p.scf"));  // the run goes on without its copy
     }},
    {"RunLogIsAFifo",
     [](const Tree& tree) {
         WriteProgram(TitledProgram("s", "Customer"), tree.start / "p.op6");
         MakeFifo(tree.start / "promptsweeplog.txt");
         return Sweep(tree, {"-O", "1"});
     },
     [](const Tree& tree, const ToolRun& run) {
         const std::string log = (tree.start / "promptsweeplog.txt").string();
         EXPECT_EQ(run.status, 1);
         EXPECT_TRUE(Holds(run.output, "Can't open/create: " + log + "\n")) << run.output;
         EXPECT_FALSE(fs::exists(tree.start / "p.scf"));
     }},
    {"NewContentAndMergeFilesAreLinksOut",
     [](const Tree& tree) {
         WriteProgram(TitledProgram("s", "Customer"), tree.start / "p.op6");
         WriteText(tree.start / "p.scf", Lines({"screen s", "\t{", "\t}"}));
         WriteText(tree.outside / "victim.new", kVictim);
         WriteText(tree.outside / "victim.mrg", kVictim);
         fs::create_symlink(tree.outside / "victim.new", tree.start / "p.new");
         fs::create_symlink(tree.outside / "victim.mrg", tree.start / "p.mrg");
         return Sweep(tree, {"-O", "1"});
     },
     [](const Tree& tree, const ToolRun& run) {
         EXPECT_EQ(run.status, 0);
         EXPECT_EQ(ReadText(tree.outside / "victim.new"), kVictim);
         EXPECT_EQ(ReadText(tree.outside / "victim.mrg"), kVictim);
         EXPECT_TRUE(Holds(ReadText(tree.start / "p.scf"), "title = \"Client\""));
         EXPECT_FALSE(fs::exists(fs::symlink_status(tree.start / "p.new")));
         EXPECT_FALSE(fs::exists(fs::symlink_status(tree.start / "p.mrg")));
         for (const char* name : {"p.new", "p.mrg"}) {
             EXPECT_TRUE(Holds(Log(tree), "NB: " + (tree.start / name).string() +
                                              " is a link - removed, its target left alone\n"))
                 << name;
         }
     }},
    {"OverrideFileLinkedInsideIsMergedAndKept",
     [](const Tree& tree) {
         WriteProgram(TitledProgram("s", "Customer"), tree.start / "p.op6");
         fs::create_directories(tree.start / "shared");
         WriteText(tree.start / "shared" / "p.scf", Lines({"# the site's own", "screen s", "\t{", "\t}"}));
         fs::create_symlink(fs::path("shared") / "p.scf", tree.start / "p.scf");
         return Sweep(tree, {"-O", "1"});
     },
     [](const Tree& tree, const ToolRun& run) {
         EXPECT_EQ(run.status, 0);
         EXPECT_TRUE(fs::is_symlink(tree.start / "p.scf"));
         EXPECT_EQ(ReadText(tree.start / "shared" / "p.scf"),
                   Lines({"# the site's own", "screen s", "\t{", "\twindow", "\t\t{", "\t\ttitle = \"Client\"", "\t\t}",
                          "\t}"}));
         EXPECT_TRUE(Holds(Log(tree), "#           Created/Updated 1 SCF Files\n"));
     }},
    {"OverrideFileLinkedOutsideIsLeftAlone",
     [](const Tree& tree) {
         WriteProgram(TitledProgram("s", "Customer"), tree.start / "p.op6");
         WriteText(tree.outside / "victim.scf", kVictim);
         fs::create_symlink(tree.outside / "victim.scf", tree.start / "p.scf");
         return Sweep(tree, {"-O", "1"});
     },
     [](const Tree& tree, const ToolRun& run) {
         const std::string scf = (tree.start / "p.scf").string();
         EXPECT_EQ(run.status, 0);
         EXPECT_EQ(ReadText(tree.outside / "victim.scf"), kVictim);
         EXPECT_TRUE(fs::is_symlink(tree.start / "p.scf"));
         EXPECT_TRUE(Holds(Log(tree), "NB: " + scf + " is a link that leads outside the run's directories - not "
                                      "followed\n***Cannot merge/create SCF File: " + scf + "\n"));
         EXPECT_FALSE(fs::exists(tree.start / "p.new"));
         EXPECT_FALSE(Holds(Log(tree), "Created/Updated"));
     }},
    {"FifoNamedLikeAProgram",
     [](const Tree& tree) {
         MakeFifo(tree.start / "a.op6");
         WriteProgram(TitledProgram("s", "Customer"), tree.start / "b.op6");
         return Sweep(tree, {"-O", "1", "-V"});
     },
     [](const Tree& tree, const ToolRun& run) {
         const std::string fifo = (tree.start / "a.op6").string();
         EXPECT_EQ(run.status, 0);
         EXPECT_TRUE(Holds(run.output, fifo + " -> Not a regular file - skipped\n")) << run.output;
         EXPECT_TRUE(Holds(Log(tree), "NB: " + fifo + " is not a regular file - skipped\n"));
         EXPECT_TRUE(fs::exists(tree.start / "b.scf"));
         EXPECT_TRUE(Holds(Log(tree), "# Summary - Checked 2 OP6 programs\n"));
     }},
    {"FifoInThePlaceOfTheOverrideFile",
     [](const Tree& tree) {
         WriteProgram(TitledProgram("s", "Customer"), tree.start / "p.op6");
         MakeFifo(tree.start / "p.scf");
         return Sweep(tree, {"-O", "1"});
     },
     [](const Tree& tree, const ToolRun& run) {
         EXPECT_EQ(run.status, 0);
         EXPECT_TRUE(fs::is_fifo(tree.start / "p.scf"));
         EXPECT_TRUE(Holds(Log(tree), "***Cannot merge/create SCF File: " + (tree.start / "p.scf").string()));
     }},
    {"DevZeroAsTheList",
     [](const Tree& tree) { return std::vector<std::string>{tree.start.string(), "-L", "/dev/zero"}; },
     [](const Tree&, const ToolRun& run) {
         EXPECT_EQ(run.status, 1);
         EXPECT_EQ(run.output, "Can't read specification list: /dev/zero - it is not a regular file\n");
     }},
    {"FifoAsTheList",
     [](const Tree& tree) {
         MakeFifo(tree.outside / "list");
         return std::vector<std::string>{tree.start.string(), "-L", (tree.outside / "list").string()};
     },
     [](const Tree& tree, const ToolRun& run) {
         EXPECT_EQ(run.status, 1);
         EXPECT_EQ(run.output, "Can't read specification list: " + (tree.outside / "list").string() +
                                   " - it is not a regular file\n");
     }},
    {"ListLargerThanAnyList",
     [](const Tree& tree) {
         WriteText(tree.outside / "list", "\"a\",\"b\"\n");
         fs::resize_file(tree.outside / "list", std::uintmax_t{17} << 20);  // sparse: no disk taken
         return std::vector<std::string>{tree.start.string(), "-L", (tree.outside / "list").string()};
     },
     [](const Tree& tree, const ToolRun& run) {
         EXPECT_EQ(run.status, 1);
         EXPECT_EQ(run.output, "Can't read specification list: " + (tree.outside / "list").string() +
                                   " - it is larger than 16 MB, more than any list holds\n");
     }},
    {"ListLineOverTheLimit",
     [](const Tree& tree) {
         WriteText(tree.outside / "list", "\"a\",\"b\"\n\"" + std::string(100000, 'x') + "\",\"b\"\n");
         return std::vector<std::string>{tree.start.string(), "-L", (tree.outside / "list").string()};
     },
     [](const Tree& tree, const ToolRun& run) {
         EXPECT_EQ(run.status, 1);
         EXPECT_EQ(run.output, "Can't read specification list: " + (tree.outside / "list").string() +
                                   " - line 2 is longer than 100000 characters\n");
     }},
};

class SweepHostileTree : public ::testing::TestWithParam<HostileTree> {};

TEST_P(SweepHostileTree, NothingOutsideIsTouchedAndTheRefusalIsSaid) {
    OpenScratch scratch;
    const Tree tree{scratch.Path() / "start", scratch.Path() / "outside"};
    fs::create_directories(tree.start);
    fs::create_directories(tree.outside);
    const std::vector<std::string> arguments = GetParam().build(tree);
    const ToolRun run = RunTool(arguments, RunSettings{.workingDirectory = {}, .unprivileged = false,
                                                       .timeoutSeconds = kTimeout});
    ASSERT_NE(run.status, -1) << "the run did not end by itself";
    GetParam().check(tree, run);
}

INSTANTIATE_TEST_SUITE_P(Trees, SweepHostileTree, ::testing::ValuesIn(kTrees),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace promptsweep::testing
