// scfcheck run as a program on a tree holding a recompiled program (a field
// renamed, a prompt reworded, a screen dropped) with its old override file,
// a clean one, one without an override file and a damaged one: the lines it
// prints, its JSON, its messages about the files and its exit statuses.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tessellar/program/image/directory_entry.h"
#include "testsupport/file_text.h"
#include "testsupport/scratch_directory.h"
#include "tools/opimage/description.h"
#include "tools/opimage/image.h"
#include "tools/scfcheck/check_run.h"

namespace scfcheck {
namespace {

namespace fs = std::filesystem;

// The program as the vendor ships it now. Before, the entry field was NAME,
// the prompt said "Phone:" and there was a screen ORDERS.
constexpr const char* kRecompiled = R"opt(
global CODE size 8 type A
global CUST-NAME size 30 type A
global PHONE size 20 type A
screen CUST {
  title "Customers"
  frame 2 1 20 78
  body {
    display 4 4 "Code:" attr 0x200
    accept 4 22 CODE tag 1
    display 5 4 "Name:" attr 0x200
    accept 5 22 CUST-NAME
    display 6 4 "Telephone:" attr 0x200
    accept 6 22 PHONE
  }
}
menu MAIN {
  body {
    option 5 10 "Customers"
  }
}
)opt";

// Written for the old program; every block applied then.
constexpr const char* kOldOverrides =
    "#ORVALE Screen Customiser File (Override statements only).\n"  // 1
    "screen CUST\n"                                                 // 2
    "\t{\n"                                                         // 3
    "\taccept\n"                                                    // 4
    "\t\t{\n"                                                       // 5
    "\t\tname = NAME\n"                                             // 6
    "\t\treadonly = true\n"                                         // 7
    "\t\tdefault = \"n/a\"\n"                                       // 8
    "\t\t}\n"                                                       // 9
    "\tdisplay\n"                                                   // 10
    "\t\t{\n"                                                       // 11
    "\t\torig_text = \"Phone:\"\n"                                  // 12
    "\t\ttext = \"Tel:\"\n"                                         // 13
    "\t\t}\n"                                                       // 14
    "\tdisplay\n"                                                   // 15
    "\t\t{\n"                                                       // 16
    "\t\torig_text = \"Code:\"\n"                                   // 17
    "\t\ttext = \"Number:\"\n"                                      // 18
    "\t\t}\n"                                                       // 19
    "\t}\n"                                                         // 20
    "screen ORDERS\n"                                               // 21
    "\t{\n"                                                         // 22
    "\twindow\n"                                                    // 23
    "\t\t{\n"                                                       // 24
    "\t\ttitle = \"Orders\"\n"                                      // 25
    "\t\t}\n"                                                       // 26
    "\t}\n";                                                        // 27

constexpr const char* kCleanOverrides = "menu MAIN\n\t{\n\toption\n\t\t{\n\t\torig_text = \"Customers\"\n"
                                        "\t\ttext = \"Clients\"\n\t\t}\n\t}\n";

class ScfcheckRun : public ::testing::Test {
protected:
    ScfcheckRun() {
        std::string error;
        const auto program = opimage::ParseDescription(kRecompiled, error);
        EXPECT_TRUE(program.has_value()) << error;
        recompiled_ = opimage::Write(*program).bytes;
        fs::create_directories(Root() / "a");
        fs::create_directories(Root() / "b");
        fs::create_directories(Root() / "c");
    }

    fs::path Root() const { return scratch_.Path() / "tree"; }

    void WriteProgram(const fs::path& path) const {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(recompiled_.data()), static_cast<std::streamsize>(recompiled_.size()));
    }
    static void WriteText(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

    // The tree: the recompiled program with its old override file, the same
    // program with a clean one (a name in capitals), one without any, and a
    // damaged program.
    void BuildTree() const {
        WriteProgram(Root() / "a" / "cust.op6");
        WriteText(Root() / "a" / "cust.scf", kOldOverrides);
        WriteProgram(Root() / "b" / "MENU.OP6");
        WriteText(Root() / "b" / "MENU.scf", kCleanOverrides);
        WriteProgram(Root() / "c" / "bare.op5");
        WriteText(Root() / "b" / "broken.op6", "not a program at all");
    }

    int Run(const std::string& arguments) {
        const std::string command = std::string("'") + SCFCHECK_PROGRAM + "' " + arguments + " > '" +
                                    (scratch_.Path() / "out").string() + "' 2> '" +
                                    (scratch_.Path() / "err").string() + "'";
        const int status = std::system(command.c_str());
        out_ = testsupport::ReadFile(scratch_.Path() / "out");
        err_ = testsupport::ReadFile(scratch_.Path() / "err");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string Quoted(const fs::path& path) const { return "'" + path.string() + "'"; }

    // What the old override file earns against the recompiled program.
    std::string Expected(const std::string& file) const {
        return file +
               ":4: screen CUST: error: accept name = NAME: the screen has no such entry field; the runtime skips the "
               "block [nearest: name = CUST-NAME] [likely fix: name = CUST-NAME]\n" +
               file +
               ":10: screen CUST: error: display orig_text = \"Phone:\": the screen has no such display; the runtime "
               "skips the block [nearest: orig_text = \"Telephone:\"] [likely fix: orig_text = \"Telephone:\"]\n" +
               file +
               ":21: screen ORDERS: error: the program has no screen named ORDERS; the runtime skips the section\n";
    }

    testsupport::ScratchDirectory scratch_;
    std::vector<std::uint8_t> recompiled_;
    std::string out_;
    std::string err_;
};

TEST_F(ScfcheckRun, TreeNamesWhatTheUpgradeBrokeAndTheDamagedProgram) {
    BuildTree();
    EXPECT_EQ(Run("-R " + Quoted(Root())), kTrouble);
    EXPECT_EQ(out_, Expected((Root() / "a" / "cust.scf").string()));
    // The damaged program is named; the programs after it were still checked.
    EXPECT_NE(err_.find("scfcheck: " + (Root() / "b" / "broken.op6").string() + ": "), std::string::npos) << err_;
    EXPECT_EQ(err_.find("MENU"), std::string::npos) << err_;

    std::filesystem::remove(Root() / "b" / "broken.op6");
    EXPECT_EQ(Run("-R " + Quoted(Root())), kFound);
    EXPECT_EQ(err_, "");
}

TEST_F(ScfcheckRun, OneProgramFindsItsOverrideFileAsTheCustomiserDoes) {
    BuildTree();
    const fs::path program = Root() / "a" / "cust.op6";
    EXPECT_EQ(Run(Quoted(program)), kFound);
    EXPECT_EQ(out_, Expected((Root() / "a" / "cust.scf").string()));

    // A program with no override file is clean, unless -m names one that is missing.
    EXPECT_EQ(Run(Quoted(Root() / "c" / "bare.op5")), kClean);
    EXPECT_EQ(out_, "");
    const fs::path missing = Root() / "c" / "missing.scf";
    EXPECT_EQ(Run(Quoted(Root() / "c" / "bare.op5") + " -m " + Quoted(missing)), kTrouble);
    EXPECT_EQ(err_, "scfcheck: " + missing.string() + ": no such override file\n");

    // -l: of the directories listed, the one that holds the program's file.
    EXPECT_EQ(Run(Quoted(Root() / "c" / "bare.op5") + " -l '" + (Root() / "b").string() + ";" + (Root() / "a").string() + "'"),
              kClean);
    fs::copy_file(Root() / "a" / "cust.scf", Root() / "b" / "cust.scf");
    EXPECT_EQ(Run(Quoted(program) + " -l '" + (Root() / "c").string() + ";" + (Root() / "b").string() + "'"),
              kFound);
    EXPECT_EQ(out_, Expected((Root() / "b" / "cust.scf").string()));

    // An override file that exists but cannot be read is no clean result.
    EXPECT_EQ(Run(Quoted(program) + " -m " + Quoted(Root() / "c")), kTrouble);
    EXPECT_EQ(err_, "scfcheck: " + (Root() / "c").string() + ": cannot be read\n");
}

TEST_F(ScfcheckRun, JsonGivesOneObjectPerFinding) {
    BuildTree();
    EXPECT_EQ(Run(Quoted(Root() / "a" / "cust.op6") + " --json"), kFound);
    std::istringstream lines(out_);
    std::vector<nlohmann::json> objects;
    for (std::string line; std::getline(lines, line);) objects.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_EQ(objects[0]["file"], (Root() / "a" / "cust.scf").string());
    EXPECT_EQ(objects[0]["line"], 4);
    EXPECT_EQ(objects[0]["section"], "screen CUST");
    EXPECT_EQ(objects[0]["item_key"], "accept name = NAME");
    EXPECT_EQ(objects[0]["kind"], "unresolved-item");
    EXPECT_EQ(objects[0]["severity"], "error");
    EXPECT_EQ(objects[0]["hint"], "nearest: name = CUST-NAME");
    EXPECT_EQ(objects[0]["fix"],
              nlohmann::json({{"line", 6}, {"old", "name = NAME"}, {"new", "name = CUST-NAME"}, {"confidence", "likely"}}));
    EXPECT_EQ(objects[2]["kind"], "unknown-section");
    EXPECT_TRUE(objects[2]["item_key"].is_null());
    EXPECT_TRUE(objects[2]["hint"].is_null());
    EXPECT_TRUE(objects[2]["fix"].is_null());
}

TEST_F(ScfcheckRun, CodePageTextsBecomeUtf8InJson) {
    WriteProgram(Root() / "a" / "cust.op6");
    WriteText(Root() / "a" / "cust.scf", "screen CUST\n\t{\n\tdisplay\n\t\t{\n\t\torig_text = \"Stra\xDF" "e:\"\n\t\t}\n\t}\n");
    EXPECT_EQ(Run(Quoted(Root() / "a" / "cust.op6") + " --json"), kFound);
    EXPECT_EQ(nlohmann::json::parse(out_)["item_key"], "display orig_text = \"Stra\xC3\x9F" "e:\"");
}

// A file that plainly is no override file, or one saved as UTF-16, once
// passed clean: the runtime finds nothing in it.
TEST_F(ScfcheckRun, AFileThatIsNoOverrideFileIsAnErrorNamingIt) {
    WriteProgram(Root() / "a" / "cust.op6");
    std::string noise(4000, '\0');
    std::uint32_t state = 12345;
    for (char& byte : noise) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 24);
    }
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string(kCleanOverrides)) utf16 += std::string{c, '\0'};
    std::string utf16NoMark;
    for (const char c : std::string(kCleanOverrides)) utf16NoMark += std::string{'\0', c};
    const std::string notOverride = "not an override file; nothing in it is checked";
    const std::string wide =
        "UTF-16 text: the runtime reads override files one byte a character and finds nothing in it; save it as "
        "plain text";
    struct Row {
        const char* name;
        std::string bytes;
        std::string said;
    };
    const Row rows[] = {
        {"random bytes", noise, notOverride},
        {"a program image", std::string(recompiled_.begin(), recompiled_.end()), notOverride},
        {"UTF-16 with its mark", utf16, wide},
        {"UTF-16 without a mark", utf16NoMark, wide},
    };
    const fs::path file = Root() / "a" / "given.scf";
    for (const Row& row : rows) {
        WriteText(file, row.bytes);
        EXPECT_EQ(Run(Quoted(Root() / "a" / "cust.op6") + " -m " + Quoted(file)), kTrouble) << row.name;
        EXPECT_EQ(out_, "") << row.name;
        EXPECT_EQ(err_, "scfcheck: " + file.string() + ": " + row.said + "\n") << row.name;
    }
}

// A program that loads although its directory is damaged once went unnamed,
// its sections reported as entries it lacks.
TEST_F(ScfcheckRun, ADamagedProgramDirectoryIsNamed) {
    std::string error;
    const auto program = opimage::ParseDescription(
        "screen A {\n body {\n }\n}\nscreen B {\n body {\n }\n}\nscreen C {\n body {\n }\n}\n", error);
    ASSERT_TRUE(program.has_value()) << error;
    opimage::Image image = opimage::Write(*program);
    // The second entry's next one leads back to the first: the walk stops after two.
    const std::uint32_t first = image.layout.entries[0].offset;
    const std::uint32_t next = image.layout.entries[1].offset + program::entry_field::kNext;
    image.bytes[next] = static_cast<std::uint8_t>(first >> 16);
    image.bytes[next + 1] = static_cast<std::uint8_t>(first >> 8);
    image.bytes[next + 2] = static_cast<std::uint8_t>(first);
    const fs::path damaged = Root() / "a" / "three.op6";
    std::ofstream(damaged, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.bytes.data()), static_cast<std::streamsize>(image.bytes.size()));
    WriteText(Root() / "a" / "three.scf", "screen C\n\t{\n\twindow\n\t\t{\n\t\ttitle = \"C\"\n\t\t}\n\t}\n");

    EXPECT_EQ(Run("-R " + Quoted(Root())), kTrouble);
    EXPECT_EQ(err_, "scfcheck: " + damaged.string() + ": The program " + damaged.string() +
                        " is damaged: the directory stops after 2 entries: the next one leads back to an entry "
                        "already listed. Findings about its sections may come from the damage.\n");
    EXPECT_NE(out_.find("three.scf:1: screen C: error: the program has no screen named C"), std::string::npos)
        << out_;
}

TEST_F(ScfcheckRun, UsageMistakesExitWithTwo) {
    const std::vector<std::string> mistakes = {"", "--frobnicate", "a.op6 b.op6", "-R", "a.op6 -R dir",
                                               "-R dir -m x.scf"};
    for (const std::string& arguments : mistakes) {
        EXPECT_EQ(Run(arguments), kTrouble) << arguments;
        EXPECT_EQ(err_.rfind("scfcheck: ", 0), 0u) << arguments;
    }
    EXPECT_EQ(Run("-R " + Quoted(Root() / "nowhere")), kTrouble);
    EXPECT_EQ(err_, "scfcheck: " + (Root() / "nowhere").string() + ": no such directory, or it cannot be read\n");
    EXPECT_EQ(Run("--help"), kClean);
    EXPECT_NE(out_.find("Usage: scfcheck PROGRAM"), std::string::npos);
}

// Fixing: only the likely fixes are on offer here (a field renamed, a
// prompt reworded), so --fix alone changes nothing; --likely re-attaches both,
// keeps the old file as its backup and leaves only the dropped screen.
TEST_F(ScfcheckRun, FixRewritesOnlyTheIdentifierLinesAndKeepsTheOldFile) {
    BuildTree();
    const fs::path program = Root() / "a" / "cust.op6";
    const fs::path file = Root() / "a" / "cust.scf";
    EXPECT_EQ(Run(Quoted(program) + " --diff"), kFound);
    EXPECT_EQ(out_, "");

    EXPECT_EQ(Run(Quoted(program) + " --diff --likely"), kFound);
    EXPECT_EQ(out_, "--- " + file.string() + "\n+++ " + file.string() +
                        "\n@@ -3,13 +3,13 @@\n"
                        " \t{\n \taccept\n \t\t{\n-\t\tname = NAME\n+\t\tname = CUST-NAME\n"
                        " \t\treadonly = true\n \t\tdefault = \"n/a\"\n \t\t}\n \tdisplay\n \t\t{\n"
                        "-\t\torig_text = \"Phone:\"\n+\t\torig_text = \"Telephone:\"\n"
                        " \t\ttext = \"Tel:\"\n \t\t}\n \tdisplay\n");
    EXPECT_EQ(testsupport::ReadFile(file), kOldOverrides) << "a diff writes nothing";

    EXPECT_EQ(Run(Quoted(program) + " --fix --likely"), kFound);
    EXPECT_EQ(out_, file.string() +
                        ":21: screen ORDERS: error: the program has no screen named ORDERS; the runtime skips the "
                        "section\n");
    EXPECT_EQ(testsupport::ReadFile(Root() / "a" / "cust.bck"), kOldOverrides);
    std::string fixed = kOldOverrides;
    fixed.replace(fixed.find("name = NAME"), 11, "name = CUST-NAME");
    fixed.replace(fixed.find("\"Phone:\""), 8, "\"Telephone:\"");
    EXPECT_EQ(testsupport::ReadFile(file), fixed);

    // A second run, over the tree, has nothing left to fix and closes with its count.
    fs::remove(Root() / "b" / "broken.op6");
    EXPECT_EQ(Run("-R " + Quoted(Root()) + " --fix --likely"), kFound);
    EXPECT_EQ(testsupport::ReadFile(file), fixed);
    EXPECT_EQ(out_, file.string() +
                        ":21: screen ORDERS: error: the program has no screen named ORDERS; the runtime skips the "
                        "section\n2 programs, 0 fixes applied, 1 finding left\n");
}

}  // namespace
}  // namespace scfcheck
