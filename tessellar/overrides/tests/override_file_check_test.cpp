// Which files read as override files. Each refused row was once taken as an
// override file (one line that looked like a section header or a known key
// was enough) and replaced by the customiser's own at the first save; each
// accepted row is a file that the customiser, the batch tool or a person
// writes.

#include <gtest/gtest.h>

#include <ostream>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/overrides/override_file_check.h"
#include "tessellar/overrides/override_workspace.h"
#include "testsupport/file_text.h"
#include "testsupport/scratch_directory.h"

namespace overrides {
namespace {

namespace fs = std::filesystem;

const std::string kCustomiserFile =
    "#ORVALE Screen Customiser File (Override statements only).\n"
    "menu MAIN-MENU\n\t{\n\twindow\n\t\t{\n\t\ttitle = \"Tessellar Trading\"\n\t\t}\n"
    "\toption\n\t\t{\n\t\torig_text = \"Reports\"\n\t\tcoordinate = 10,10\n\t\t}\n\t}\n"
    "screen CUSTOMER\n\t{\n\taccept\n\t\t{\n\t\tname = CUST-NO\n\t\treadonly = true\n\t\t}\n\t}\n";

const std::string kBatchToolFile =
    "#ORVALE Screen Customiser File (Override statements only).\n"
    "# Updated by USER on Mon Jan  1 00:00:00 2024\n"
    "screen custmaint\n\t{\n\tdisplay\n\t\t{\n\t\torig_text = \"Customer Code:\"\n\t\ttext = \"Client Code:\"\n\t\t}\n"
    "\t# a comment inside the section\n\t}\n\n"
    "menu mainmenu\n\t{\n\toption\n\t\t{\n\t\torig_text = \"Customer Enquiry\"\n\t\ttext = \"Client Enquiry\"\n\t\t}\n\t}\n";

const std::string kByHand =
    "# Site changes for the order screens - ask Pat before changing\n"
    "\n"
    "screen ORDER\n"
    "{\n"
    "    # the old field stays hidden\n"
    "    accept\n"
    "    {\n"
    "        name = OLD-REF\n"
    "        suppress = true\n"
    "    }\n"
    "    trigger\n"
    "    {\n"
    "        trigger_point = before_field\n"
    "        name = CUST-NO\n"
    "        run = /apps/bin/check\n"
    "        type = command\n"
    "    }\n"
    "    typo here\n"  // a slip the customiser reads past
    "}\n";

std::string WithCrlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::string Readme() {
    std::string text = "# Tessellar\n\n## The customiser's window\n\n";
    text += "A screen shows its grid with a header of column titles, and\n";
    text += "screen shows its grid with a header of column titles when the data grid is on.\n";
    text += "name = demo\n";
    for (int line = 0; line < 40; ++line) text += "More prose about customising screens { and menus }.\n";
    return text;
}

struct FileCase {
    const char* name;
    // Makes the file in the directory and returns its path.
    std::function<std::string(const testsupport::ScratchDirectory&)> make;
    OverrideFileLook look;
};

// ctest lists a row with its value: print its name, not its bytes.
[[maybe_unused]] void PrintTo(const FileCase& row, std::ostream* out) { *out << row.name; }

std::string FileWith(const testsupport::ScratchDirectory& scratch, const char* name, const std::string& text) {
    return scratch.Write(name, std::vector<std::uint8_t>(text.begin(), text.end()));
}

const FileCase kFileCases[] = {
    {"Readme", [](const auto& s) { return FileWith(s, "README.md", Readme()); }, OverrideFileLook::Foreign},
    {"IniFile", [](const auto& s) { return FileWith(s, "demo.ini", "[demo]\nname = demo\ncolor = red\n[paths]\nrun = x\n"); },
     OverrideFileLook::Foreign},
    {"Note", [](const auto& s) { return FileWith(s, "notes.scf", "# Notes\nCall the vendor on Monday.\n"); },
     OverrideFileLook::Foreign},
    {"SourceCode",
     [](const auto& s) {
         return FileWith(s, "main.cpp",
                     "#include <cstdio>\nint main()\n{\n    display();\n    {\n        text = 1;\n    }\n    return 0;\n}\n");
     },
     OverrideFileLook::Foreign},
    {"Device",
     [](const auto& s) {
         const fs::path link = s.Path() / "null.scf";
         fs::create_symlink("/dev/null", link);
         return link.string();
     },
     OverrideFileLook::NotRegular},
    {"Fifo",
     [](const auto& s) {
         const fs::path fifo = s.Path() / "pipe.scf";
         EXPECT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
         return fifo.string();
     },
     OverrideFileLook::NotRegular},
    {"ByTheCustomiser", [](const auto& s) { return FileWith(s, "a.scf", kCustomiserFile); }, OverrideFileLook::OverrideFile},
    {"ByTheBatchTool", [](const auto& s) { return FileWith(s, "b.scf", kBatchToolFile); }, OverrideFileLook::OverrideFile},
    {"ByHandWithComments", [](const auto& s) { return FileWith(s, "c.scf", kByHand); }, OverrideFileLook::OverrideFile},
    {"WithCrlf", [](const auto& s) { return FileWith(s, "d.scf", WithCrlf(kCustomiserFile)); },
     OverrideFileLook::OverrideFile},
    {"WithByteOrderMark", [](const auto& s) { return FileWith(s, "e.scf", "\xEF\xBB\xBF" + kBatchToolFile); },
     OverrideFileLook::OverrideFile},
    {"HeaderLineAlone",
     [](const auto& s) { return FileWith(s, "f.scf", "#ORVALE Screen Customiser File (Override statements only).\n"); },
     OverrideFileLook::OverrideFile},
    {"Empty", [](const auto& s) { return FileWith(s, "g.scf", ""); }, OverrideFileLook::OverrideFile},
    {"Missing", [](const auto& s) { return (s.Path() / "none.scf").string(); }, OverrideFileLook::Missing},
};

class OverrideFileLooks : public ::testing::TestWithParam<FileCase> {};

TEST_P(OverrideFileLooks, AreJudgedByTheirShape) {
    testsupport::ScratchDirectory scratch;
    const std::string path = GetParam().make(scratch);
    EXPECT_EQ(LookAtOverrideFile(path), GetParam().look);
    const bool refused = GetParam().look == OverrideFileLook::Foreign || GetParam().look == OverrideFileLook::NotRegular;
    EXPECT_EQ(PlainlyNotAnOverrideFile(path), refused);

    // Opening refuses it without blocking and leaves it as it was; an
    // accepted one opens with every section.
    const bool regular = fs::is_regular_file(fs::symlink_status(path));
    const std::string before = regular ? testsupport::ReadFile(path) : std::string();
    OverrideWorkspace workspace(scratch.Path().string());
    platform::RecordingMessageSink sink;
    const OpenResult opened = workspace.Open(path, sink);
    if (refused) {
        EXPECT_EQ(opened, OpenResult::NotAnOverrideFile);
        EXPECT_EQ(workspace.OverridePath(), "");
    }
    if (GetParam().look == OverrideFileLook::OverrideFile) {
        EXPECT_EQ(opened, OpenResult::Opened);
    }
    if (regular) {
        EXPECT_EQ(testsupport::ReadFile(path), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, OverrideFileLooks, ::testing::ValuesIn(kFileCases),
                         [](const ::testing::TestParamInfo<FileCase>& info) { return std::string(info.param.name); });

// The byte order mark once hid the first section's header from the split,
// and the first save dropped the section.
TEST(OverrideFileLooks, AByteOrderMarkKeepsTheFirstSection) {
    testsupport::ScratchDirectory scratch;
    const std::string path = FileWith(scratch, "bom.scf", "\xEF\xBB\xBFscreen A\n\t{\n\tdisplay\n\t}\n");
    OverrideWorkspace workspace(scratch.Path().string());
    platform::RecordingMessageSink sink;
    ASSERT_EQ(workspace.Open(path, sink), OpenResult::Opened);
    ASSERT_FALSE(workspace.Sections().WorkFileOf("A").empty());
    EXPECT_EQ(testsupport::ReadFile(workspace.Sections().WorkFileOf("A")), "display\n");
}

// A few slips in a long hand-written file are forgiven; a text whose lines
// mostly fit nowhere is not an override file, however it starts.
TEST(OverrideFileLooks, StrayLinesAreForgivenOnlyAFew) {
    auto reads = [](const std::string& text) {
        std::istringstream in(text);
        return ReadsAsOverrideText(in);
    };
    const std::string block = "\tdisplay\n\t\t{\n\t\tname = X\n\t\ttext = \"Y\"\n\t\t}\n";
    std::string section = "screen A\n\t{\n";
    for (int i = 0; i < 4; ++i) section += block;
    EXPECT_TRUE(reads(section + "one\ntwo\nthree\n\t}\n"));
    EXPECT_FALSE(reads(section + "one\ntwo\nthree\nfour\n\t}\n"));
    std::string longSection = "screen A\n\t{\n";
    for (int i = 0; i < 100; ++i) longSection += block;
    EXPECT_TRUE(reads(longSection + "one\ntwo\nthree\nfour\nfive\n\t}\n")) << "one in fifty";
    EXPECT_FALSE(reads("screen A\n\t{\n\t}\n" + Readme())) << "a section header at the top of a README";
}

}  // namespace
}  // namespace overrides
