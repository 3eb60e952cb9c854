// Opening an override file into work files, and closing it again.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/overrides/override_file_check.h"
#include "tessellar/overrides/override_saving.h"
#include "tessellar/overrides/override_workspace.h"
#include "tessellar/overrides/section_lines.h"
#include "testsupport/scratch_directory.h"
#include "testsupport/file_text.h"

namespace overrides {
namespace {

namespace fs = std::filesystem;

using testsupport::ReadFile;

std::string WriteText(const testsupport::ScratchDirectory& scratch, const char* name, const std::string& text) {
    return scratch.Write(name, std::vector<std::uint8_t>(text.begin(), text.end()));
}

const char* const kFile =
    "#ORVALE Screen Customiser File (Override statements only).\n"
    "stray line before any section\n"
    "screen CUSTOMER\n"
    "\t{\n"
    "\taccept\n"
    "\t\t{\n"
    "\t\tname = CUST-NO\n"
    "\t\t}\n"
    "\t}\n"
    "# after the closing brace: still this section\n"
    "menu MAIN-MENU\n"
    "\t{\n"
    "\toption\n"
    "\t}\n";

TEST(OverrideSectionLines, HeadersBracesAndBody) {
    std::int64_t depth = 5;
    SectionLine header = ClassifySectionLine("SCREEN Customer extra\n", depth);
    EXPECT_EQ(header.type, SectionLineType::Header);
    EXPECT_EQ(header.kind, SectionKind::Screen);
    EXPECT_EQ(header.name, "Customer");
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(ClassifySectionLine("\t{\n", depth).type, SectionLineType::SectionBrace);
    EXPECT_EQ(ClassifySectionLine("\t\t{\n", depth).type, SectionLineType::Body);
    EXPECT_EQ(ClassifySectionLine("\t\t}\n", depth).type, SectionLineType::Body);
    EXPECT_EQ(ClassifySectionLine("\t}\n", depth).type, SectionLineType::SectionBrace);
    EXPECT_EQ(ClassifySectionLine("procedure\n", depth).kind, SectionKind::Procedure);
    EXPECT_EQ(ClassifySectionLine("screens X\n", depth).type, SectionLineType::Body);
}

TEST(OverrideWorkFiles, OpeningCopiesTheFileAndSplitsItIntoWorkFiles) {
    testsupport::ScratchDirectory scratch;
    const std::string scf = WriteText(scratch, "demo.scf", kFile);
    OverrideWorkspace workspace(scratch.Path().string());
    platform::RecordingMessageSink sink;
    ASSERT_EQ(workspace.Open(scf, sink), OpenResult::Opened);

    EXPECT_EQ(workspace.WorkingCopyPath(), (scratch.Path() / "demo.bck").string());
    EXPECT_EQ(ReadFile(workspace.WorkingCopyPath()), kFile);
    const auto& entries = workspace.Sections().Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "CUSTOMER");
    EXPECT_EQ(entries[0].kind, SectionKind::Screen);
    EXPECT_EQ(entries[1].kind, SectionKind::Menu);
    EXPECT_EQ(fs::path(entries[0].workFilePath).filename(), "ZZZ_CUSTOMER.tmp");
    EXPECT_EQ(fs::path(entries[0].workFilePath).parent_path(), fs::path(workspace.WorkFiles().Path()));
    EXPECT_EQ(fs::path(workspace.WorkFiles().Path()).parent_path(), scratch.Path());
    EXPECT_EQ(ReadFile(entries[0].workFilePath),
              "accept\n\t{\n\tname = CUST-NO\n\t}\n# after the closing brace: still this section\n");
    EXPECT_EQ(ReadFile(entries[1].workFilePath), "option\n");
    EXPECT_TRUE(sink.Output().empty());

    model::CScreenModel model("CUSTOMER", 1, nullptr, 0, 0, model::ModelKind::Screen);
    workspace.AttachWorkFile(model);
    EXPECT_EQ(model.OverridePath(), entries[0].workFilePath);

    workspace.Close(sink);
    EXPECT_TRUE(workspace.Sections().Empty());
    EXPECT_FALSE(fs::exists(scratch.Path() / "demo.bck"));
    EXPECT_TRUE(fs::exists(scf));
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.Path()), fs::directory_iterator()), 1);
    EXPECT_TRUE(sink.Messages().empty());
}

// An editor's UTF-8 byte-order mark right before the first header once hid
// that header: its section was never applied.
TEST(OverrideWorkFiles, AByteOrderMarkBeforeTheFirstHeaderIsNothing) {
    testsupport::ScratchDirectory scratch;
    const std::string scf = WriteText(scratch, "p.scf", "\xEF\xBB\xBFscreen A\n\t{\n\tdisplay\n\t}\n");
    OverrideWorkspace workspace(scratch.Path().string());
    platform::RecordingMessageSink sink;
    ASSERT_EQ(workspace.Open(scf, sink), OpenResult::Opened);
    ASSERT_EQ(workspace.Sections().Entries().size(), 1u);
    EXPECT_EQ(workspace.Sections().Entries()[0].name, "A");
    EXPECT_EQ(ReadFile(workspace.Sections().Entries()[0].workFilePath), "display\n");
    workspace.Close(sink);
}

// A screen and a menu of one name once shared one work file, and the split
// lost the earlier section's statements.
TEST(OverrideWorkFiles, RepeatedNamesKeepTheLaterBodyAndScreenAndMenuKeepApart) {
    testsupport::ScratchDirectory scratch;
    const std::string scf = WriteText(scratch, "p.scf",
                                      "screen A\n\t{\n\tdisplay\n\t}\n"
                                      "screen a\n\t{\n\tbox\n\t}\n"
                                      "menu A\n\t{\n\toption\n\t}\n"
                                      "screen A\n\t{\n\tmode\n\t}\n");
    OverrideWorkspace workspace(scratch.Path().string());
    platform::RecordingMessageSink sink;
    ASSERT_EQ(workspace.Open(scf, sink), OpenResult::Opened);
    const auto& entries = workspace.Sections().Entries();
    ASSERT_EQ(entries.size(), 3u);  // names compare exactly: A and a; menu A is its own
    EXPECT_EQ(entries[0].name, "A");
    EXPECT_EQ(entries[0].kind, SectionKind::Screen);
    EXPECT_EQ(ReadFile(entries[0].workFilePath), "mode\n");
    EXPECT_EQ(ReadFile(entries[1].workFilePath), "box\n");
    EXPECT_EQ(entries[2].kind, SectionKind::Menu);
    EXPECT_EQ(ReadFile(entries[2].workFilePath), "option\n");
    EXPECT_EQ(fs::path(entries[2].workFilePath).filename(), "ZZZ_A%menu.tmp");
}

TEST(OverrideWorkFiles, TwoWorkspacesNeverShareWorkFiles) {
    testsupport::ScratchDirectory scratch;
    const std::string scf = WriteText(scratch, "p.scf", "screen A\n\t{\n\tdisplay\n\t}\n");
    const std::string other = WriteText(scratch, "q.scf", "screen A\n\t{\n\tbox\n\t}\n");
    OverrideWorkspace first(scratch.Path().string());
    OverrideWorkspace second(scratch.Path().string());
    platform::RecordingMessageSink sink;
    ASSERT_EQ(first.Open(scf, sink), OpenResult::Opened);
    ASSERT_EQ(second.Open(other, sink), OpenResult::Opened);
    EXPECT_NE(first.Sections().WorkFileOf("A"), second.Sections().WorkFileOf("A"));
    EXPECT_EQ(ReadFile(first.Sections().WorkFileOf("A")), "display\n");

    // Opening another file in the same workspace takes the first one's work files away.
    ASSERT_EQ(first.Open(other, sink), OpenResult::Opened);
    EXPECT_FALSE(fs::exists(scratch.Path() / "p.bck"));
    EXPECT_EQ(ReadFile(first.Sections().WorkFileOf("A")), "box\n");
    EXPECT_EQ(fs::status(first.WorkFiles().Path()).permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST(OverrideWorkFiles, SectionNamesCannotReachOutsideTheWorkDirectory) {
    EXPECT_EQ(WorkFileName("ORDER-LINES", ".tmp"), "ZZZ_ORDER-LINES.tmp");
    EXPECT_EQ(WorkFileName("../../x%", ".tmp"), "ZZZ_..%2F..%2Fx%25.tmp");
    EXPECT_EQ(WorkFileName("a\\b", ".sav"), "ZZZ_a%5Cb.sav");

    testsupport::ScratchDirectory scratch;
    const std::string scf = WriteText(scratch, "p.scf", "screen ../../escape\n\t{\n\tdisplay\n\t}\n");
    OverrideWorkspace workspace(scratch.Path().string());
    platform::RecordingMessageSink sink;
    ASSERT_EQ(workspace.Open(scf, sink), OpenResult::Opened);
    EXPECT_EQ(fs::path(workspace.Sections().WorkFileOf("../../escape")).parent_path(),
              fs::path(workspace.WorkFiles().Path()));
}

TEST(OverrideWorkFiles, MissingUnreadableAndSelfNamedFiles) {
    testsupport::ScratchDirectory scratch;
    platform::RecordingMessageSink sink;
    OverrideWorkspace workspace(scratch.Path().string());
    EXPECT_EQ(workspace.Open((scratch.Path() / "none.scf").string(), sink), OpenResult::NoOverrideFile);
    EXPECT_TRUE(workspace.Sections().Empty());
    EXPECT_FALSE(fs::exists(scratch.Path() / "none.bck"));

    // A file named like its own working copy is never truncated.
    const std::string backup = WriteText(scratch, "keep.bck", kFile);
    EXPECT_EQ(workspace.Open(backup, sink), OpenResult::CopyFailed);
    EXPECT_EQ(ReadFile(backup), kFile);

    // A directory where the file should be cannot be copied.
    fs::create_directory(scratch.Path() / "dir.scf");
    EXPECT_EQ(workspace.Open((scratch.Path() / "dir.scf").string(), sink), OpenResult::CopyFailed);
    EXPECT_TRUE(workspace.Sections().Empty());
}

struct LookCase {
    const char* why;
    std::string text;
    bool foreign;  // plainly not an override file
};

// Each foreign row was once taken as an override file with no sections and
// replaced by a header line at the first save.
TEST(OverrideFileCheck, TellsOverrideFilesFromOtherFiles) {
    const LookCase cases[] = {
        {"the header line alone", "#ORVALE Screen Customiser File (Override statements only).\n", false},
        {"sections without the header line", "screen A\n\t{\n\tdisplay\n\t\t{\n\t\tname = X\n\t\t}\n\t}\n", false},
        {"an empty file", "", false},
        {"blank lines only", "\n  \n\t\n", false},
        {"written on another system", "#ORVALE Screen Customiser File (Override statements only).\r\n", false},
        {"a block without its section: a save would drop it", "accept\n{\nname = X\n}\n", true},
        {"a compiled program's bytes", std::string("OPT6\0\0\x01\x02screen CUSTOMER\n", 18), true},
        {"a README", "# Tessellar\n\nCustomises screens { of programs }.\n", true},
        {"a comment alone", "# notes for later\n", true},
        {"control bytes in a text", "screen A\n\x01\x02\x03\n", true},
        {"mostly NULs after real sections", std::string("screen A\n\t{\n\t}\n") + std::string(64, '\0'), true},
        {"a stray NUL in a long file stays readable",
         "screen A\n\t{\n\twindow\n\t\t{\n\t\ttitle = \"T\"" + std::string(1, '\0') + std::string(200, 'x') + "\n\t\t}\n\t}\n",
         false},
        {"one long line without a line end", std::string(100000, 'x'), true},
    };
    for (const LookCase& c : cases) {
        std::istringstream in(c.text);
        EXPECT_EQ(PlainlyNotAnOverrideText(in), c.foreign) << c.why;
    }
}

TEST(OverrideFileCheck, AForeignFileIsNeitherCopiedNorKept) {
    testsupport::ScratchDirectory scratch;
    const std::string readme = WriteText(scratch, "README", "# Read me\nNothing to customise.\n");
    OverrideWorkspace workspace(scratch.Path().string());
    platform::RecordingMessageSink sink;
    EXPECT_EQ(workspace.Open(readme, sink), OpenResult::NotAnOverrideFile);
    EXPECT_EQ(workspace.OverridePath(), "");
    EXPECT_TRUE(workspace.Sections().Empty());
    EXPECT_FALSE(fs::exists(scratch.Path() / "README.bck"));
    EXPECT_EQ(ReadFile(readme), "# Read me\nNothing to customise.\n");
}

// The working copy cannot be made (a share the user may not write to; here,
// as root writes everywhere, a directory where it would go): the sections
// are read from the file itself and nothing may change it.
TEST(OverrideWorkFiles, AFileWhoseWorkingCopyCannotBeMadeOpensReadOnly) {
    testsupport::ScratchDirectory scratch;
    const std::string scf = WriteText(scratch, "p.scf", kFile);
    fs::create_directory(scratch.Path() / "p.bck");
    OverrideWorkspace workspace(scratch.Path().string());
    platform::RecordingMessageSink sink;
    EXPECT_EQ(workspace.Open(scf, sink), OpenResult::ReadOnly);
    EXPECT_TRUE(workspace.ReadOnly());
    EXPECT_EQ(workspace.WorkingCopyProblem(), "Is a directory");
    EXPECT_EQ(workspace.Sections().Entries().size(), 2u);
    EXPECT_FALSE(workspace.Sections().WorkFileOf("CUSTOMER").empty());
    workspace.Close(sink);
    EXPECT_FALSE(workspace.ReadOnly());
    EXPECT_TRUE(fs::is_directory(scratch.Path() / "p.bck"));
    EXPECT_EQ(ReadFile(scf), kFile);
}

// A temporary folder that is missing, read-only or full once gave sections
// without work files, and the next save wrote the file without them.
TEST(OverrideWorkFiles, WorkFilesThatCannotBeMadeOpenTheFileReadOnly) {
    testsupport::ScratchDirectory scratch;
    const std::string text = "screen A\n\t{\n\tdisplay\n\t}\nscreen B\n\t{\n\t}\n";
    const std::string scf = WriteText(scratch, "p.scf", text);
    OverrideWorkspace workspace((scratch.Path() / "no-such-temp").string());
    platform::RecordingMessageSink sink;
    ASSERT_EQ(workspace.Open(scf, sink), OpenResult::ReadOnly);
    EXPECT_TRUE(workspace.ReadOnly());
    EXPECT_EQ(workspace.WorkFilesProblem(), "No such file or directory");
    EXPECT_EQ(sink.Output(), "open failed on tmp file\nopen failed on tmp file\n");
    ASSERT_EQ(workspace.Sections().Entries().size(), 2u);
    EXPECT_TRUE(workspace.Sections().WorkFileOf("A").empty());
    EXPECT_EQ(MissingWorkFile(workspace.Sections()), "screen A");
    // Save As cannot lift it: the sections are not there to be saved.
    workspace.Relocate((scratch.Path() / "q.scf").string());
    EXPECT_TRUE(workspace.ReadOnly());
    EXPECT_EQ(workspace.OverridePath(), scf);
    EXPECT_EQ(ReadFile(scf), text);
}

TEST(OverrideWorkFiles, WorkFilesThatStayAreReportedAtClose) {
    testsupport::ScratchDirectory scratch;
    const std::string scf = WriteText(scratch, "p.scf", "screen A\n\t{\n\tdisplay\n\t}\n");
    OverrideWorkspace workspace(scratch.Path().string());
    platform::RecordingMessageSink sink;
    ASSERT_EQ(workspace.Open(scf, sink), OpenResult::Opened);
    const std::string workFile = workspace.Sections().WorkFileOf("A");
    fs::remove(workFile);
    fs::create_directory(workFile);
    std::ofstream(fs::path(workFile) / "inside") << "x";  // a non-empty directory cannot be removed
    workspace.Close(sink);
    ASSERT_EQ(sink.Messages().size(), 1u);
    EXPECT_EQ(sink.Messages()[0], "Could not delete file " + workFile);
    EXPECT_TRUE(workspace.Sections().Empty());
}

}  // namespace
}  // namespace overrides
