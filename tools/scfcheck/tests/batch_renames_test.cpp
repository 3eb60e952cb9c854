// The batch tool's renames as every other tool reads them: promptsweep run
// over a small tree, then the customiser's document, opdump --scf and
// scfcheck -R on what it wrote, and a later customiser command on a renamed
// prompt. The batch tool names prompts and fields by their text (or name)
// and compiled coordinate together; each tool must find the item both name.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/document/document.h"
#include "tessellar/program/directory_page.h"
#include "testsupport/file_text.h"
#include "testsupport/scratch_directory.h"
#include "tools/opimage/description.h"
#include "tools/opimage/image.h"

namespace scfcheck {
namespace {

namespace fs = std::filesystem;

// Prompts and fields of every identification kind: unique texts (kind 2), a
// tagged field (3), a named one (1), and two prompts of one text (4); a box,
// which the batch tool names by its top left alone, and a message joined
// from parts, which it names by the part it renames.
constexpr const char* kProgram = R"opt(
global CODE size 8 type A
global CUST-NAME size 30 type A
screen CUST {
  title "Customer Accounts"
  frame 2 1 20 78
  body {
    box 3 2 12 60 title "Customer box"
    display 4 4 "Customer code:"
    accept 4 22 CODE tag 1 help "The Customer code" title "Customer code"
    display 5 4 "Customer name:"
    accept 5 22 CUST-NAME help "Name of the Customer" title "Customer"
    display 7 4 "Customer:"
    display 8 4 "Customer:"
    if {
      message "Customer " var:CODE " saved"
    }
  }
}
menu MAIN {
  body {
    option 5 10 "Customer list" help "Every Customer"
  }
}
)opt";

struct Ran {
    int status = -1;
    std::string out;
};

class BatchRenames : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        const auto program = opimage::ParseDescription(kProgram, error);
        ASSERT_TRUE(program.has_value()) << error;
        const std::vector<std::uint8_t> bytes = opimage::Write(*program).bytes;
        for (const char* directory : {"north", "south"}) {
            fs::create_directories(Tree() / directory);
            std::ofstream(Tree() / directory / "cust.op6", std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        }
    }

    fs::path Tree() const { return scratch_.Path() / "tree"; }

    // A tool run from the scratch directory, its standard output kept.
    Ran RunTool(const std::string& command) const {
        const fs::path out = scratch_.Path() / "out";
        const std::string line = "cd '" + scratch_.Path().string() + "' && " + command + " > '" + out.string() +
                                 "' 2>&1";
        const int status = std::system(line.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, testsupport::ReadFile(out)};
    }

    static std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

    testsupport::ScratchDirectory scratch_;
};

// The texts the customiser shows once it has opened the program with the file.
std::string CustomiserTexts(const fs::path& program, const fs::path& overrides, const std::string& entry,
                            const fs::path& scratch) {
    platform::RecordingMessageSink sink;
    fs::create_directories(scratch);
    document::Document document(scratch.string());
    if (!document.LoadProgram(program.string(), sink)) return "<not loaded>";
    document.OpenOverrideFile(overrides.string(), sink);
    program::DirectoryPage page(program::BrowserPage::All);
    program::FillDirectoryPage(page, *document.Image(), "", sink);
    std::string texts;
    for (std::size_t row = 0; row < page.Rows().size(); ++row) {
        if (page.Rows()[row].name != entry) continue;
        model::CScreenModel& screen = *page.Models()[row];
        document.OpenEntry(screen, sink);
        for (const model::CDispText& item : screen.Displays()) texts += item.text.Current() + "|";
        for (const model::CAcceptFld& item : screen.Accepts()) {
            texts += item.title.Current() + "/" + item.help.Current() + "|";
        }
        for (const model::COptionItem& item : screen.Options()) {
            texts += item.label.Current() + "/" + item.help.Current() + "|";
        }
        for (const model::CBoxItem& item : screen.Boxes()) texts += "box " + item.title.Current() + "|";
        for (const model::CMessageItem& item : screen.Messages()) texts += "says " + item.text.Current() + "|";
    }
    for (const std::string& message : sink.Messages()) texts += "message: " + message + "|";
    return texts;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST_F(BatchRenames, EveryRenameAppliesInTheCustomiserOpdumpAndTheChecker) {
    const Ran sweep = RunTool(std::string("'") + PROMPTSWEEP_BINARY + "' " + Quoted(Tree()) +
                              " -R Customer Client -O 1");
    ASSERT_EQ(sweep.status, 0) << sweep.out;
    const fs::path program = Tree() / "north" / "cust.op6";
    const fs::path overrides = Tree() / "north" / "cust.scf";
    const std::string written = testsupport::ReadFile(overrides);
    // The batch tool names each prompt and field by its text or name and its compiled coordinate.
    ASSERT_NE(written.find("\t\torig_text = \"Customer code:\"\n\t\torig_coordinate = 4,4\n"), std::string::npos)
        << written;
    ASSERT_NE(written.find("\t\tname = CODE\n\t\torig_coordinate = 4,22\n"), std::string::npos) << written;
    ASSERT_NE(written.find("\t\torig_coordinate = 3,2\n\t\ttitle = \"Client box\"\n"), std::string::npos) << written;
    ASSERT_NE(written.find("\t\torig_text = \"Customer \"\n\t\ttext = \"Client \"\n"), std::string::npos) << written;

    EXPECT_EQ(CustomiserTexts(program, overrides, "CUST", scratch_.Path() / "customiser"),
              "Client code:|Client name:|Client:|Client:|Client code/The Client code|Client/Name of the Client|"
              "box Client box|says Client CODE saved|");
    EXPECT_EQ(CustomiserTexts(program, overrides, "MAIN", scratch_.Path() / "customiser-menu"),
              "Client list/Every Client|");

    const Ran dump = RunTool(std::string("'") + OPDUMP_PROGRAM + "' " + Quoted(program) + " -s CUST --scf " +
                             Quoted(overrides));
    EXPECT_EQ(dump.status, 0) << dump.out;
    for (const char* shown : {"\"Client code:\"", "\"Client name:\"", "\"Client:\"", "\"The Client code\"",
                              "\"Name of the Client\"", "\"Client Accounts\"", "\"Client box\""}) {
        EXPECT_NE(dump.out.find(shown), std::string::npos) << shown << "\n" << dump.out;
    }

    const Ran check = RunTool(std::string("'") + SCFCHECK_PROGRAM + "' -R " + Quoted(Tree()));
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_EQ(check.out, "");

    // A later command on a renamed prompt changes the batch tool's block.
    const fs::path script = scratch_.Path() / "rename.txt";
    std::ofstream(script) << "select CUST\n"
                             "run \"Change display text\" orig_text \"Customer code:\" \"Client number:\"\n"
                             "run \"Modify box title\" box 3,2 12,60 \"Client frame\"\n"
                             "save\n";
    const Ran edit = RunTool(std::string("'") + SCFEDIT_PROGRAM + "' " + Quoted(program) + " -m " +
                             Quoted(overrides) + " " + Quoted(script));
    EXPECT_EQ(edit.status, 0) << edit.out;
    const std::string edited = testsupport::ReadFile(overrides);
    EXPECT_EQ(Count(edited, "orig_text = \"Customer code:\""), 1u) << edited;
    EXPECT_NE(edited.find("\t\torig_text = \"Customer code:\"\n\t\torig_coordinate = 4,4\n\t\ttext = \"Client "
                          "number:\"\n"),
              std::string::npos)
        << edited;
    // So does one on the box the batch tool named by its top left.
    EXPECT_EQ(Count(edited, "\tbox\n"), 1u) << edited;
    EXPECT_NE(edited.find("\t\torig_coordinate = 3,2\n\t\ttitle = \"Client frame\"\n"), std::string::npos) << edited;
    EXPECT_EQ(RunTool(std::string("'") + SCFCHECK_PROGRAM + "' -R " + Quoted(Tree())).out, "");
}

}  // namespace
}  // namespace scfcheck
