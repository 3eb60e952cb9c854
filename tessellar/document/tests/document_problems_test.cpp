// The problems of an open document: its current override text, unsaved
// changes included, checked as scfcheck checks the saved file; the switch
// that keeps applying's messages for the Problems panel; and the grouping,
// entries and counts the panel shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "platform/message_sink.h"
#include "tessellar/checks/program_check.h"
#include "tessellar/document/document_problems.h"
#include "tessellar/overrides/override_texts.h"
#include "platform/message_format.h"
#include "testsupport/demo_document.h"
#include "testsupport/scratch_directory.h"
#include "testsupport/spoilt_demo.h"

namespace document {
namespace {

using checks::Finding;
using checks::FindingKind;

bool HasKind(const std::vector<Finding>& findings, FindingKind kind, const std::string& itemKey = {}) {
    return std::any_of(findings.begin(), findings.end(), [&](const Finding& f) {
        return f.kind == kind && (itemKey.empty() || f.itemKey == itemKey);
    });
}

class DocumentProblemsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string spoilt = testsupport::SpoiltDemoOverrides();
        ASSERT_FALSE(spoilt.empty());
        overridePath_ = (scratch_.Path() / "demo.scf").string();
        std::ofstream(overridePath_, std::ios::binary) << spoilt;
        ASSERT_TRUE(document_.LoadProgram(TESSELLAR_DEMO_PROGRAM, sink_));
        ASSERT_EQ(document_.OpenOverrideFile(overridePath_, sink_), overrides::OpenResult::Opened);
        page_ = std::make_unique<program::DirectoryPage>(program::BrowserPage::All);
        program::FillDirectoryPage(*page_, *document_.Image(), "", sink_);
    }
    model::CScreenModel& Entry(const std::string& name) {
        for (std::size_t row = 0; row < page_->Rows().size(); ++row) {
            if (page_->Rows()[row].name == name) return *page_->Models()[row];
        }
        ADD_FAILURE() << "no entry " << name;
        return *page_->Models().front();
    }

    testsupport::ScratchDirectory scratch_;
    testsupport::ScratchDirectory workFiles_;
    platform::RecordingMessageSink sink_;
    Document document_{workFiles_.Path().string()};
    std::unique_ptr<program::DirectoryPage> page_;
    std::string overridePath_;
};

// The text assembled from the work files is the file as saved, so the
// window's findings are scfcheck's, line for line.
TEST_F(DocumentProblemsTest, AnOpenedFileGivesTheFindingsOfTheFileItself) {
    const std::vector<Finding> open = CheckOpenDocument(document_);
    const std::optional<std::vector<Finding>> file = checks::CheckProgramFile(*document_.Image(), overridePath_);
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(open, *file);
    EXPECT_TRUE(HasKind(open, FindingKind::UnresolvedItem, "accept name = CUST-NUMBER"));
    EXPECT_TRUE(HasKind(open, FindingKind::UnknownMessage));
    EXPECT_TRUE(HasKind(open, FindingKind::UnknownSection));
}

// A hand edit is not saved yet, and its block is already checked; the
// cache checks again only when the text changed.
TEST_F(DocumentProblemsTest, UnsavedChangesAreCheckedAndAnUnchangedTextIsNotCheckedAgain) {
    DocumentProblems problems;
    EXPECT_TRUE(problems.Refresh(document_));
    const std::size_t before = problems.Findings().size();
    EXPECT_FALSE(problems.Refresh(document_));

    model::CScreenModel& order = Entry("ORDER");
    document_.OpenEntry(order, sink_);
    const EditResult edited = document_.EditScreenFile(
        order,
        [](const std::string& copy) {
            std::ofstream(copy, std::ios::app) << "display\n\t{\n\torig_text = \"Delivery:\"\n\tsuppress = true\n\t}\n";
        },
        sink_);
    ASSERT_EQ(edited, EditResult::Applied);
    ASSERT_TRUE(document_.Modified());
    EXPECT_TRUE(problems.Refresh(document_));
    EXPECT_EQ(problems.Findings().size(), before + 1);
    EXPECT_TRUE(HasKind(problems.Findings(), FindingKind::UnresolvedItem, "display orig_text = \"Delivery:\""));

    document_.Close(sink_);
    EXPECT_TRUE(problems.Refresh(document_));
    EXPECT_TRUE(problems.Findings().empty());
}

// Off, the messages applying shows stay out of the sink (the panel has
// them); opening and decoding say nothing else either way.
TEST_F(DocumentProblemsTest, ApplyingMessagesReachTheSinkUnlessKeptForThePanel) {
    const std::string unknownMessage =
        platform::FormatText(overrides::texts::kCouldNotOverrideMessage, "No such customer");
    document_.OpenEntry(Entry("CUSTOMER"), sink_);
    EXPECT_EQ(sink_.Messages(), std::vector<std::string>{unknownMessage});

    sink_.Clear();
    document_.SetApplyingMessagesShown(false);
    document_.ReloadEntry(Entry("CUSTOMER"), sink_);
    EXPECT_TRUE(sink_.Messages().empty());
}

TEST(ProblemGroups, GroupEntriesAndCounts) {
    const auto finding = [](std::string section, FindingKind kind, std::size_t line) {
        return Finding{"d.scf", line, std::move(section), {}, kind, "m", {}, {}};
    };
    const std::vector<Finding> findings = {
        finding("menu MAIN-MENU", FindingKind::UnknownKey, 3),
        finding("screen CUSTOMER", FindingKind::Overlap, 60),
        finding("menu MAIN-MENU", FindingKind::UnresolvedItem, 70),  // after another entry's: joins its group
        finding("", FindingKind::LongLine, 1),
    };
    const std::vector<ProblemGroup> groups = GroupBySection(findings);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].section, "menu MAIN-MENU");
    EXPECT_EQ(groups[0].findings.size(), 2u);
    EXPECT_EQ(groups[1].section, "screen CUSTOMER");

    EXPECT_EQ(EntryOf(findings[0]), (ProblemEntry{overrides::SectionKind::Menu, "MAIN-MENU"}));
    EXPECT_EQ(EntryOf(finding("procedure A B", FindingKind::UnknownKey, 1)),
              (ProblemEntry{overrides::SectionKind::Procedure, "A B"}));
    EXPECT_EQ(EntryOf(findings[3]), std::nullopt);
    EXPECT_EQ(EntryOf(finding("window X", FindingKind::UnknownKey, 1)), std::nullopt);

    const struct {
        std::vector<Finding> findings;
        const char* text;
    } counts[] = {
        {{}, "No problems"},
        {{findings[0]}, "1 error"},
        {{findings[1]}, "1 warning"},
        {findings, "3 errors, 1 warning"},
        {{findings[1], findings[1]}, "2 warnings"},
    };
    for (const auto& row : counts) EXPECT_EQ(ProblemCountText(row.findings), row.text);
}

}  // namespace
}  // namespace document
