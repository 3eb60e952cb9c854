// scfedit run as a program on the demo program: the work files it prints
// and the override files it saves, byte for byte, its refusals, errors and
// exit statuses, and its help covering every command of the catalogue.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tessellar/commands/command_catalogue.h"
#include "tessellar/commands/command_texts.h"
#include "testsupport/scratch_directory.h"
#include "tools/scfedit/usage_text.h"
#include "testsupport/file_text.h"

namespace scfedit {
namespace {

namespace fs = std::filesystem;

using testsupport::ReadFile;

constexpr const char* kHeader = "#ORVALE Screen Customiser File (Override statements only).\n";

class ScfeditRun : public ::testing::Test {
protected:
    // Runs scfedit on the demo program with -m OVERRIDE (in the scratch
    // directory) and the script; keeps its output and error text.
    int Run(const std::string& script, const std::string& overrideName = "demo.scf") {
        const fs::path scriptPath = scratch_.Path() / "script.txt";
        std::ofstream(scriptPath, std::ios::binary) << script;
        const std::string command = environment_ + "'" + SCFEDIT_PROGRAM + "' '" + TESSELLAR_DEMO_PROGRAM + "' -m '" +
                                    (scratch_.Path() / overrideName).string() + "' " + options_ + "'" +
                                    scriptPath.string() +
                                    "' > '" + (scratch_.Path() / "out").string() + "' 2> '" +
                                    (scratch_.Path() / "err").string() + "'";
        const int status = std::system(command.c_str());
        out_ = ReadFile(scratch_.Path() / "out");
        err_ = ReadFile(scratch_.Path() / "err");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string Saved(const std::string& name = "demo.scf") const { return ReadFile(scratch_.Path() / name); }

    // The temporary folder the run is given ("TEMP" and "TMPDIR").
    void UseTemporaryFolder(const fs::path& folder) {
        environment_ = "TEMP='" + folder.string() + "' TMPDIR='" + folder.string() + "' ";
    }

    testsupport::ScratchDirectory scratch_;
    std::string environment_;
    std::string options_;  // words before the script, each followed by a blank
    std::string out_;
    std::string err_;
};

TEST_F(ScfeditRun, CommandsUndoRedoAndSaveGiveTheFileByteForByte) {
    EXPECT_EQ(Run("select CUSTOMER\n"
                  "run \"Modify screen title\" window \"Customers\"\n"
                  "run \"Suppress accept\" name CUST-PHONE \"n/a\"\n"
                  "run \"Move display\" orig_text \"Phone:\" 7,40\n"
                  "run \"Add box\" new 3,5 10,40 \"Details\"\n"
                  "run \"Modify confirm default\" confirm \"Delete this customer?\" no\n"
                  "undo 2\n"
                  "redo\n"
                  "workfile\n"
                  "select REPORTS-MENU\n"
                  "run \"Modify menu trigger\" orig_text \"Back\" option \"menu.sh\" windows\n"
                  "save\n"),
              0)
        << err_;
    const std::string customer =
        "window\n\t{\n\ttitle = \"Customers\"\n\t}\n"
        "accept\n\t{\n\tname = CUST-PHONE\n\tsuppress = true\n\tdefault = \"n/a\"\n\t}\n"
        "display\n\t{\n\torig_text = \"Phone:\"\n\tcoordinate = 7,40\n\t}\n"
        "box\n\t{\n\torig_coordinate = 3,5\n\tcoordinate = 10,40\n\tadd = true\n\ttitle = \"Details\"\n\t}\n";
    EXPECT_EQ(out_, customer);
    EXPECT_EQ(err_, "");
    EXPECT_EQ(Saved(), std::string(kHeader) +
                           "screen CUSTOMER\n\t{\n"
                           "\twindow\n\t\t{\n\t\ttitle = \"Customers\"\n\t\t}\n"
                           "\taccept\n\t\t{\n\t\tname = CUST-PHONE\n\t\tsuppress = true\n\t\tdefault = \"n/a\"\n\t\t}\n"
                           "\tdisplay\n\t\t{\n\t\torig_text = \"Phone:\"\n\t\tcoordinate = 7,40\n\t\t}\n"
                           "\tbox\n\t\t{\n\t\torig_coordinate = 3,5\n\t\tcoordinate = 10,40\n\t\tadd = true\n"
                           "\t\ttitle = \"Details\"\n\t\t}\n"
                           "\t}\n"
                           "menu REPORTS-MENU\n\t{\n"
                           "\ttrigger\n\t\t{\n\t\ttrigger_point = option\n\t\torig_text = \"Back\"\n\t\trun = menu.sh\n"
                           "\t\ttype = windows\n\t\t}\n"
                           "\t}\n");
}

TEST_F(ScfeditRun, OpeningAndSavingTheDemoFileChangesNoByte) {
    fs::copy_file(TESSELLAR_DEMO_OVERRIDES, scratch_.Path() / "demo.scf");
    EXPECT_EQ(Run("save\n"), 0) << err_;
    EXPECT_EQ(Saved(), ReadFile(TESSELLAR_DEMO_OVERRIDES));
}

TEST_F(ScfeditRun, LabelListsArePrintedNewestFirstWithEscapes) {
    EXPECT_EQ(Run("select CUSTOMER\n"
                  "run \"Change display text\" orig_text \"Name:\" \"Client:\"\n"
                  "run \"Resize the window\" window 70,20\n"
                  "run \"Reset accept\" tag 1\n"
                  "undo\n"
                  "undo-labels\n"
                  "redo-labels\n"),
              0)
        << err_;
    EXPECT_EQ(out_,
              "No. 2: Resize the window()\n"
              "No. 1: Change display text(\\torig_text = \"Name:\"\\n)\n"
              "No. 1: Reset accept(\\ttag = 1\\n)\n");
}

TEST_F(ScfeditRun, RefusalsArePrintedAndTheScriptGoesOn) {
    EXPECT_EQ(Run("select CUSTOMER\n"
                  "run \"Readonly accept\" name CUST-NAME \"\"\n"
                  "run \"Resize accept\" name CUST-LIMIT 4 10,22\n"
                  "run \"Modify accept title\" name CUST-NAME \"Client\"\n"
                  "save\n"),
              0)
        << err_;
    EXPECT_EQ(out_,
              "Sorry, could not make a field readonly without default values\n"
              "The width of the field can not be changed as it is not alphanumeric. Change the format of the field "
              "via the Properties dialog.\n");
    EXPECT_NE(Saved().find("title = \"Client\""), std::string::npos);
}

TEST_F(ScfeditRun, ALineInErrorStopsTheScriptBeforeAnythingIsSaved) {
    fs::copy_file(TESSELLAR_DEMO_OVERRIDES, scratch_.Path() / "demo.scf");
    EXPECT_EQ(Run("select CUSTOMER\n"
                  "run \"Modify screen title\" window \"Changed\"\n"
                  "save\n"
                  "run \"Modify screen title\" windows \"Again\"\n"),
              2);
    EXPECT_EQ(err_, (scratch_.Path() / "script.txt").string() +
                        ":4: 'Modify screen title' does not take the key 'windows'\n");
    EXPECT_EQ(Saved(), ReadFile(TESSELLAR_DEMO_OVERRIDES));

    // An item the entry does not have is found only when the line runs.
    EXPECT_EQ(Run("select CUSTOMER\nrun \"Move accept\" name NO-SUCH-FIELD 4,4\nsave\n"), 2);
    EXPECT_EQ(err_, (scratch_.Path() / "script.txt").string() +
                        ":2: the screen has no such item for 'Move accept'\n");
    EXPECT_EQ(Saved(), ReadFile(TESSELLAR_DEMO_OVERRIDES));
}

// A line end inside a run line once saved "run = a", a stray "screen EVIL"
// section line and "{", and lost the type line, with status 0.
TEST_F(ScfeditRun, AValueWithALineEndStopsTheScriptAndSavesNothing) {
    fs::copy_file(TESSELLAR_DEMO_OVERRIDES, scratch_.Path() / "demo.scf");
    EXPECT_EQ(Run("select CUSTOMER\n"
                  "run \"Modify accept trigger\" name CUST-NAME after_accept \"a\\nscreen EVIL\\n{\" command\n"
                  "save\n"),
              2);
    EXPECT_EQ(err_, (scratch_.Path() / "script.txt").string() + ":2: " + commands::texts::kValueBreaksLine + "\n");
    EXPECT_EQ(Saved(), ReadFile(TESSELLAR_DEMO_OVERRIDES));
}

// A directory as the script once exited 0 having done nothing; /dev/zero
// grew the process by hundreds of megabytes before its line was refused.
TEST_F(ScfeditRun, AScriptThatCannotBeReadEndsWithStatusTwo) {
    const fs::path directory = scratch_.Path() / "scripts";
    fs::create_directory(directory);
    const std::string base = std::string("'") + SCFEDIT_PROGRAM + "' '" + TESSELLAR_DEMO_PROGRAM + "' -m '" +
                             (scratch_.Path() / "demo.scf").string() + "' ";
    const std::string errPath = (scratch_.Path() / "err").string();
    int status = std::system((base + "'" + directory.string() + "' 2> '" + errPath + "'").c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
    EXPECT_EQ(ReadFile(errPath), directory.string() + ": cannot be read (Is a directory)\n");
    status = std::system((base + "/dev/zero 2> '" + errPath + "'").c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
    EXPECT_EQ(ReadFile(errPath), "/dev/zero:1: the line is longer than 100000 characters\n");
    EXPECT_FALSE(fs::exists(scratch_.Path() / "demo.scf"));
}

// "-m prog.op6" once saved a 59-byte header line over the program.
TEST_F(ScfeditRun, AFileThatIsNotAnOverrideFileIsRefusedAndKept) {
    fs::copy_file(TESSELLAR_DEMO_PROGRAM, scratch_.Path() / "program.op6");
    std::ofstream(scratch_.Path() / "README", std::ios::binary) << "# About\nThese programs run the shop.\n";
    for (const char* name : {"program.op6", "README"}) {
        const std::string before = Saved(name);
        EXPECT_EQ(Run("select CUSTOMER\nrun \"Modify screen title\" window \"X\"\nsave\n", name), 2) << name;
        EXPECT_EQ(err_, "scfedit: " + (scratch_.Path() / name).string() +
                            ": is not an override file; it is left as it is\n");
        EXPECT_EQ(Saved(name), before) << name;
    }
}

// The working copy cannot be made: the screens are shown, commands are
// refused, and saveas to a writable place goes on from there.
TEST_F(ScfeditRun, AFileWithoutWorkingCopyIsReadOnlyUntilSavedElsewhere) {
    fs::copy_file(TESSELLAR_DEMO_OVERRIDES, scratch_.Path() / "demo.scf");
    fs::create_directory(scratch_.Path() / "demo.bck");
    const std::string copy = (scratch_.Path() / "mine.scf").string();
    EXPECT_EQ(Run("select CUSTOMER\n"
                  "run \"Modify screen title\" window \"X\"\n"
                  "saveas " + copy + "\n"
                  "run \"Modify screen title\" window \"Y\"\n"
                  "save\n"),
              0)
        << err_;
    EXPECT_NE(out_.find("Could not make the working copy"), std::string::npos) << out_;
    EXPECT_NE(out_.find("is open read-only"), std::string::npos) << out_;
    EXPECT_EQ(Saved(), ReadFile(TESSELLAR_DEMO_OVERRIDES));
    EXPECT_NE(Saved("mine.scf").find("title = \"Y\""), std::string::npos);
    EXPECT_EQ(Saved("mine.scf").find("title = \"X\""), std::string::npos);
}

// The browser's first row was marked decoded when the page was filled
// without decoding it, so its items never appeared.
TEST_F(ScfeditRun, TheFirstEntryOfTheBrowserIsDecodedToo) {
    EXPECT_EQ(Run("select MAIN-MENU\nrun \"Move menu\" orig_text \"Reports\" 11,10\nworkfile\n"), 0) << err_;
    EXPECT_EQ(out_, "option\n\t{\n\torig_text = \"Reports\"\n\tcoordinate = 11,10\n\t}\n");
}

// Printing an empty work file once silenced everything printed after it.
TEST_F(ScfeditRun, AnEmptyWorkFileSilencesNothingAfterIt) {
    EXPECT_EQ(Run("select CUSTOMER\nrun \"Move display\" orig_text \"Phone:\" 7,40\nundo\nworkfile\nredo-labels\n"),
              0)
        << err_;
    EXPECT_NE(out_.find("No. 1: Move display("), std::string::npos) << out_;
}

// A trigger on a display the user added is found again by the display's
// place, as applying finds it: changed in place, moved with it, removed.
TEST_F(ScfeditRun, TriggersOnAnAddedDisplayAreFoundAgain) {
    const std::string display = "display\n\t{\n\tcoordinate = 22,30\n\tadd = true\n\tpicture = x(5)\n\t}\n";
    EXPECT_EQ(Run("select ORDER\n"
                  "run \"Add user defined field\" new 0 21,20 x(5)\n"
                  "run \"Modify display trigger\" added_at 21,20 \"a.sh\" command\n"
                  "run \"Modify display trigger\" added_at 21,20 \"b.sh\" windows\n"
                  "run \"Move display and trigger\" added_at 21,20 22,30\n"
                  "workfile\n"
                  "run \"Remove display trigger\" added_at 22,30\n"
                  "workfile\n"),
              0)
        << err_;
    EXPECT_EQ(out_, display +
                        "trigger\n\t{\n\ttrigger_point = display\n\tcoordinate = 22,30\n\trun = b.sh\n"
                        "\ttype = windows\n\t}\n" +
                        display);
}

TEST_F(ScfeditRun, AFailedSaveExitsWithOne) {
    EXPECT_EQ(Run("select CUSTOMER\nrun \"Modify screen title\" window \"X\"\nsave\n", "missing/demo.scf"), 1);
    EXPECT_NE(out_.find("could not open "), std::string::npos) << out_;
    EXPECT_FALSE(fs::exists(scratch_.Path() / "missing"));
}

// A missing temporary folder once saved the file as its header line alone,
// every section gone, and exited with 0.
TEST_F(ScfeditRun, AWorkFolderThatCannotBeMadeSavesNothing) {
    fs::copy_file(TESSELLAR_DEMO_OVERRIDES, scratch_.Path() / "demo.scf");
    UseTemporaryFolder(scratch_.Path() / "no-such-folder");
    EXPECT_EQ(Run("select CUSTOMER\nrun \"Modify screen title\" window \"X\"\nsave\n"), 1);
    EXPECT_NE(out_.find("Could not make the work files of"), std::string::npos) << out_;
    EXPECT_NE(out_.find("is open read-only, because its work files could not be made"), std::string::npos) << out_;
    EXPECT_EQ(Saved(), ReadFile(TESSELLAR_DEMO_OVERRIDES));
}

// `edit` of a folder once aborted the program, leaving its working copy and
// work folder behind; `edit /dev/zero` grew without end.
TEST_F(ScfeditRun, AnEditOfWhatIsNoFileIsRefusedWithTheReason) {
    fs::copy_file(TESSELLAR_DEMO_OVERRIDES, scratch_.Path() / "demo.scf");
    const fs::path work = scratch_.Path() / "tmp";
    fs::create_directory(work);
    UseTemporaryFolder(work);
    const std::string folder = (scratch_.Path() / "folder").string();
    fs::create_directory(folder);
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {{folder, "it is a folder"}, {"/dev/zero", "it is not a regular file"}};
    for (const auto& c : cases) {
        EXPECT_EQ(Run("select CUSTOMER\nedit " + c.path + "\nsave\n"), 2) << c.path;
        EXPECT_EQ(err_, (scratch_.Path() / "script.txt").string() + ":2: '" + c.path + "' cannot be read (" +
                            c.reason + ")\n");
        EXPECT_EQ(Saved(), ReadFile(TESSELLAR_DEMO_OVERRIDES));
        EXPECT_FALSE(fs::exists(scratch_.Path() / "demo.bck"));
        EXPECT_TRUE(fs::is_empty(work)) << "the work folder is gone";
    }
}

// A device named as the override file was replaced by a regular file.
TEST_F(ScfeditRun, ADeviceIsRefusedAndStaysADevice) {
    fs::create_symlink("/dev/null", scratch_.Path() / "null.scf");
    EXPECT_EQ(Run("select CUSTOMER\nrun \"Modify screen title\" window \"X\"\nsave\n", "null.scf"), 2);
    EXPECT_NE(err_.find("is not an override file"), std::string::npos) << err_;
    EXPECT_TRUE(fs::is_character_file(scratch_.Path() / "null.scf"));
}

// A link to a shared override file was replaced by a regular copy.
TEST_F(ScfeditRun, ALinkedOverrideFileChangesItsTargetAndStaysALink) {
    fs::create_directory(scratch_.Path() / "share");
    fs::copy_file(TESSELLAR_DEMO_OVERRIDES, scratch_.Path() / "share" / "demo.scf");
    fs::create_symlink("share/demo.scf", scratch_.Path() / "demo.scf");
    EXPECT_EQ(Run("select CUSTOMER\nrun \"Modify screen title\" window \"Linked\"\nsave\n"), 0) << err_;
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(scratch_.Path() / "demo.scf")));
    EXPECT_NE(ReadFile(scratch_.Path() / "share" / "demo.scf").find("title = \"Linked\""), std::string::npos);
}

// The box-contents sums overflowed for corners at the ends of int.
TEST_F(ScfeditRun, ABoxMovedToTheEndsOfIntCarriesNothingAlong) {
    EXPECT_EQ(Run("select CUSTOMER\n"
                  "run \"Moving or resizing box\" box 3,2 17,77 -2147483648,-2147483648 18,77\n"
                  "run \"Moving or resizing box\" box 3,2 17,77 2147483647,2147483647 2147483647,2147483647\n"),
              0)
        << err_;
    EXPECT_EQ(err_.find("runtime error"), std::string::npos) << err_;
}

// A killed run left its work folder; --recover takes its changes back.
TEST_F(ScfeditRun, RecoverTakesBackAKilledRunsChanges) {
    fs::copy_file(TESSELLAR_DEMO_OVERRIDES, scratch_.Path() / "demo.scf");
    const fs::path work = scratch_.Path() / "tmp";
    const fs::path left = work / "tessellar-killed";
    fs::create_directories(left);
    fs::permissions(left, fs::perms::owner_all, fs::perm_options::replace);
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    std::ofstream(left / "owner", std::ios::binary)
        << "tessellar work folder\noverride=" << (scratch_.Path() / "demo.scf").string() << "\nhost=" << host
        << "\nprocess=999999999\nmade=0\n";
    std::ofstream(left / "ZZZ_CUSTOMER.tmp", std::ios::binary) << "window\n\t{\n\ttitle = \"Never saved\"\n\t}\n";
    UseTemporaryFolder(work);
    options_ = "--recover ";
    EXPECT_EQ(Run("save\n"), 0) << err_;
    EXPECT_NE(out_.find("Changes to demo.scf that were never saved were found ("), std::string::npos) << out_;
    EXPECT_NE(out_.find("Recovered."), std::string::npos) << out_;
    EXPECT_NE(Saved().find("title = \"Never saved\""), std::string::npos);
    EXPECT_FALSE(fs::exists(left));
}

TEST_F(ScfeditRun, AThousandStepsThenUndoingThemAll) {
    std::string script = "select REPORTS-MENU\n";
    for (int i = 0; i < 999; ++i) {
        script += "run \"Move menu\" orig_text \"Back\" " + std::to_string(10 + i % 5) + ",22\n";
    }
    script += "undo 999\nworkfile\n";
    EXPECT_EQ(Run(script), 0) << err_;
    EXPECT_EQ(out_, "");
}

TEST(ScfeditHelp, ShowsEveryCommandOfTheCatalogue) {
    const std::string usage = kUsage;
    const std::string manual = ReadFile(fs::path(SCFEDIT_MANUAL));
    for (const std::string& name : commands::CatalogueNames()) {
        EXPECT_NE(usage.find("run \"" + name + "\" "), std::string::npos) << name;
        EXPECT_NE(manual.find("run \"" + name + "\" "), std::string::npos) << name;
    }
}

}  // namespace
}  // namespace scfedit
