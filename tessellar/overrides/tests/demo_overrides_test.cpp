// The demo override file, opened into work files and applied to the decoded
// demo program as the customiser does when the user selects each entry.

#include <gtest/gtest.h>

#include <string>

#include "tessellar/overrides/apply_section.h"
#include "tessellar/overrides/override_workspace.h"
#include "tessellar/overrides/section_bodies.h"
#include "tessellar/overrides/tests/decoded_program.h"
#include "testsupport/scratch_directory.h"

namespace overrides {
namespace {

class DemoOverrides : public ::testing::Test {
protected:
    void SetUp() override {
        demo_ = testing::DecodedProgram::FromFile(TESSELLAR_DEMO_PROGRAM);
        ASSERT_NE(demo_, nullptr);
        ASSERT_EQ(workspace_.Open(TESSELLAR_DEMO_OVERRIDES, sink_), OpenResult::Opened);
    }
    void TearDown() override { workspace_.Close(sink_); }

    // The entry decoded afresh with its section applied.
    model::CScreenModel& Select(const char* name) {
        model::CScreenModel& model = demo_->Entry(name);
        workspace_.AttachWorkFile(model);
        EXPECT_TRUE(ApplySection(model, sink_));
        return model;
    }

    testsupport::ScratchDirectory scratch_;
    OverrideWorkspace workspace_{scratch_.Path().string()};
    std::unique_ptr<testing::DecodedProgram> demo_;
    platform::RecordingMessageSink sink_;
};

TEST_F(DemoOverrides, EverySectionAppliesWithoutComplaint) {
    ASSERT_EQ(workspace_.Sections().Entries().size(), 5u);
    for (const SectionEntry& section : workspace_.Sections().Entries()) Select(section.name.c_str());
    EXPECT_TRUE(sink_.Messages().empty());
    EXPECT_TRUE(sink_.Output().empty());
}

TEST_F(DemoOverrides, CustomerScreenShowsTheUsersChanges) {
    model::CScreenModel& screen = Select("CUSTOMER");
    EXPECT_EQ(screen.Title().Current(), "Customer Accounts");
    EXPECT_TRUE(screen.FindAcceptByName("CUST-PHONE")->suppressed.Current());
    EXPECT_TRUE(screen.FindAcceptByName("CUST-STATUS")->readOnly.Current());
    EXPECT_EQ(screen.FindAcceptByName("CUST-SINCE")->defaultKind.Current(), 2);
    EXPECT_EQ(screen.FindDisplayByOriginalText("Balance:")->text.Current(), "Balance owed:");
    EXPECT_EQ(screen.Displays().Size(), 17u);  // 13 compiled, 2 prompts and 2 fields added
    EXPECT_EQ(screen.Boxes().Size(), 2u);
    EXPECT_TRUE(screen.FindModeByIdentifier("FIND")->isDefault);
    EXPECT_TRUE(screen.ScreenTriggers().Slot(model::TriggerPoint::ScreenLoad)->hasTrigger);
    EXPECT_EQ(screen.Messages()[3].text.Current(), "The customer has been deleted");

    // Selecting the entry again rebuilds it from the program first: nothing doubles.
    EXPECT_EQ(Select("CUSTOMER").Displays().Size(), 17u);
}

TEST_F(DemoOverrides, EntriesWithoutASectionStayAsCompiled) {
    model::CScreenModel& procedure = demo_->Entry("NIGHTLY-UPDATE");
    workspace_.AttachWorkFile(procedure);
    EXPECT_TRUE(procedure.OverridePath().empty());
    EXPECT_FALSE(ApplySection(procedure, sink_));
}

// A line holding a NUL byte is one line: the key after it, and an item
// keyword after a comment that ends in a NUL, are read on their own, through
// the work files as through the in-memory sections.
TEST(OverrideNulLines, TheNextLineIsReadOnItsOwn) {
    using namespace std::string_literals;
    const std::string file = "screen CUSTOMER\n\t{\n\twindow\n\t\t{\n\t\ttitle = \"Accounts\"\0Z\n"s +
                             "\t\twindow_size = 70,20\n\t\t}\n\t# a note\0\n"s +
                             "\taccept\n\t\t{\n\t\tname = CUST-NAME\n\t\ttitle = \"Trading name\"\n\t\t}\n" +
                             "\tdisplay\n\t\t{\n\t\torig_text = \"Name:\"\0"s + std::string(600, 'x') +
                             "\n\t\ttext = \"Trading name:\"\n\t\t}\n\t}\n";
    testsupport::ScratchDirectory scratch;
    const std::string path = scratch.Write("nul.scf", std::vector<std::uint8_t>(file.begin(), file.end()));
    auto demo = testing::DecodedProgram::FromFile(TESSELLAR_DEMO_PROGRAM);
    ASSERT_NE(demo, nullptr);
    platform::RecordingMessageSink sink;

    auto check = [&](const model::CScreenModel& screen) {
        EXPECT_EQ(screen.Title().Current(), "Accounts");
        EXPECT_EQ(screen.Frame()->rightColumn, screen.Frame()->leftColumn + 69);
        EXPECT_EQ(screen.FindAcceptByName("CUST-NAME")->title.Current(), "Trading name");
        EXPECT_EQ(screen.FindDisplayByOriginalText("Name:")->text.Current(), "Trading name:");
        EXPECT_EQ(screen.Displays().Size(), 13u);  // nothing added
    };

    OverrideWorkspace workspace(scratch.Path().string());
    ASSERT_EQ(workspace.Open(path, sink), OpenResult::Opened);
    model::CScreenModel& opened = demo->Entry("CUSTOMER");
    workspace.AttachWorkFile(opened);
    EXPECT_TRUE(ApplySection(opened, sink));
    check(opened);
    workspace.Close(sink);

    SectionBodies sections;
    ASSERT_TRUE(ReadSectionBodies(path, sections));
    ASSERT_NE(sections.Find("CUSTOMER"), nullptr);
    model::CScreenModel& inMemory = demo->Entry("CUSTOMER");
    testing::ApplyText(inMemory, *sections.Find("CUSTOMER"), sink);
    check(inMemory);
}

}  // namespace
}  // namespace overrides
