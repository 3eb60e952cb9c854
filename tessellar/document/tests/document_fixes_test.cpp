// The Problems panel's fixes: each applied to its entry's work file as one
// undo step, and the saved file the same as scfcheck --fix makes of it.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/checks/identifier_fixes.h"
#include "tessellar/checks/program_check.h"
#include "tessellar/document/document_fixes.h"
#include "tessellar/document/document_problems.h"
#include "tessellar/program/directory_page.h"
#include "testsupport/file_text.h"
#include "testsupport/scratch_directory.h"

namespace document {
namespace {

// The demo program with an override file of the given text, CUSTOMER opened.
class DocumentFixes : public ::testing::Test {
protected:
    void Open(const char* text) {
        std::ofstream(path, std::ios::binary) << text;
        ASSERT_TRUE(document.LoadProgram(TESSELLAR_DEMO_PROGRAM, sink));
        ASSERT_EQ(document.OpenOverrideFile(path, sink), overrides::OpenResult::Opened);
        program::FillDirectoryPage(page, *document.Image(), "", sink);
        for (std::size_t row = 0; row < page.Rows().size(); ++row) {
            if (page.Rows()[row].name == "CUSTOMER") customer = page.Models()[row].get();
        }
        ASSERT_NE(customer, nullptr);
        document.ReloadEntry(*customer, sink);
    }

    testsupport::ScratchDirectory scratch;
    testsupport::ScratchDirectory workFiles;
    const std::string path = (scratch.Path() / "demo.scf").string();
    platform::RecordingMessageSink sink;
    Document document{workFiles.Path().string()};
    program::DirectoryPage page{program::BrowserPage::All};
    model::CScreenModel* customer = nullptr;
};

// Written for an older build: the prompt was "Customer cod:", the field
// CUST-NAM. A comment and a block that still applies sit between them.
constexpr const char* kOlder =
    "#ORVALE Screen Customiser File (Override statements only).\n"
    "screen CUSTOMER\n"
    "\t{\n"
    "\tdisplay\n"
    "\t\t{\n"
    "\t\torig_text = \"Customer cod:\"\n"
    "\t\ttext = \"Client code:\"\n"
    "\t\t}\n"
    "\tdisplay\n"
    "\t\t{\n"
    "\t\torig_text = \"Name:\"\n"
    "\t\ttext = \"Full name:\"\n"
    "\t\t}\n"
    "\taccept\n"
    "\t\t{\n"
    "\t\tname = CUST-NAM\n"
    "\t\treadonly = true\n"
    "\t\tdefault = \"x\"\n"
    "\t\t}\n"
    "\t}\n";

TEST_F(DocumentFixes, EachIsOneUndoStepAndTheSaveEqualsScfcheckFix) {
    ASSERT_NO_FATAL_FAILURE(Open(kOlder));

    // What scfcheck --fix --likely makes of the same file.
    const std::vector<checks::Finding> findings = CheckOpenDocument(document);
    const std::string expected = checks::ApplyFixes(kOlder, checks::CheckProgram(*document.Image(), path, kOlder), true);
    ASSERT_NE(expected, kOlder);

    EXPECT_FALSE(ApplyCertainFixes(document, *customer, findings, sink)) << "both fixes are only likely";
    std::size_t applied = 0;
    for (const checks::Finding& finding : findings) {
        if (!finding.fix) continue;
        EXPECT_NE(FixText(finding).find(" (likely)"), std::string::npos);
        // Each fix is made on the findings as they stand after the last one.
        for (const checks::Finding& now : CheckOpenDocument(document)) {
            if (now.fix && now.fix->old == finding.fix->old) {
                EXPECT_TRUE(ApplyFix(document, *customer, now, sink));
            }
        }
        ++applied;
    }
    EXPECT_EQ(applied, 2u);
    ASSERT_EQ(document.UndoLabels(*customer).size(), 2u);
    EXPECT_NE(document.UndoLabels(*customer).front().find("Apply fix(name = CUST-NAME)"), std::string::npos)
        << document.UndoLabels(*customer).front();
    EXPECT_TRUE(document.Save(sink));
    EXPECT_EQ(testsupport::ReadFile(path), expected);
    EXPECT_TRUE(sink.Messages().empty());

    // The fixed blocks reach their items now: nothing is left to fix.
    for (const checks::Finding& finding : CheckOpenDocument(document)) EXPECT_FALSE(finding.fix.has_value());
    // And Undo takes the last fix back.
    EXPECT_TRUE(document.Undo(*customer, sink));
    EXPECT_EQ(checks::FixCount(CheckOpenDocument(document), true), 1u);
}

// The program renamed CUSTOMER's entry from CLIENT: its section stays under
// the old name, first in the file. The window left such a fix to scfcheck.
constexpr const char* kRenamed =
    "#ORVALE Screen Customiser File (Override statements only).\n"
    "screen CLIENT\n"
    "\t{\n"
    "\tdisplay\n"
    "\t\t{\n"
    "\t\torig_text = \"Name:\"\n"
    "\t\ttext = \"Nome:\"\n"
    "\t\t}\n"
    "\t}\n"
    "screen ORDER\n"
    "\t{\n"
    "\twindow\n"
    "\t\t{\n"
    "\t\ttitle = \"Orders\"\n"
    "\t\t}\n"
    "\t}\n";

TEST_F(DocumentFixes, AHeaderFixGivesTheRenamedEntryItsSectionInPlaceAsOneUndoStep) {
    ASSERT_NO_FATAL_FAILURE(Open(kRenamed));
    auto name = [&] { return customer->FindDisplayByOriginalText("Name:")->text.Current(); };
    ASSERT_EQ(name(), "Name:");

    const std::vector<checks::Finding> findings = CheckOpenDocument(document);
    const std::string fixed = checks::ApplyFixes(kRenamed, checks::CheckProgram(*document.Image(), path, kRenamed), false);
    ASSERT_NE(fixed.find("screen CUSTOMER\n"), std::string::npos) << fixed;
    bool offered = false;
    for (const checks::Finding& finding : findings) {
        if (finding.kind != checks::FindingKind::UnknownSection || !finding.fix) continue;
        offered = true;
        EXPECT_TRUE(HasApplicableFix(finding));
        EXPECT_EQ(EntryFixedBy(finding), (ProblemEntry{overrides::SectionKind::Screen, "CUSTOMER"}));
        EXPECT_EQ(FixText(finding), "Rename the section to screen CUSTOMER");
    }
    ASSERT_TRUE(offered);

    ASSERT_TRUE(ApplyCertainFixes(document, *customer, findings, sink));
    EXPECT_EQ(name(), "Nome:");
    EXPECT_EQ(document.UndoLabels(*customer), std::vector<std::string>{"No. 1: Apply fix(screen CUSTOMER)"});
    ASSERT_TRUE(document.Save(sink));
    EXPECT_EQ(testsupport::ReadFile(path), fixed) << "what scfcheck --fix writes";
    EXPECT_TRUE(CheckOpenDocument(document).empty());

    ASSERT_TRUE(document.Undo(*customer, sink));
    EXPECT_EQ(name(), "Name:");
    ASSERT_TRUE(document.Save(sink));
    EXPECT_EQ(testsupport::ReadFile(path), kRenamed) << "the section back under its old name, in its place";

    ASSERT_TRUE(document.Redo(*customer, sink));
    EXPECT_EQ(name(), "Nome:");
    ASSERT_TRUE(document.Save(sink));
    EXPECT_EQ(testsupport::ReadFile(path), fixed);
    EXPECT_TRUE(sink.Messages().empty()) << sink.Messages().front();
}

}  // namespace
}  // namespace document
