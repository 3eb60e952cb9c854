// Opening the demo program and its override file as a document, and an
// entry opened through the work files against one opened from memory.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/message_sink.h"
#include "tessellar/document/document.h"
#include "tessellar/program/directory_page.h"
#include "testsupport/scratch_directory.h"

namespace document {
namespace {

namespace fs = std::filesystem;

model::CScreenModel& EntryNamed(const program::DirectoryPage& page, const std::string& name) {
    for (std::size_t row = 0; row < page.Rows().size(); ++row) {
        if (page.Rows()[row].name == name) return *page.Models()[row];
    }
    ADD_FAILURE() << "no entry " << name;
    return *page.Models().front();
}

TEST(DocumentOpening, WorkFilesAndMemoryGiveTheSameEntry) {
    testsupport::ScratchDirectory scratch;
    const std::string overridePath = (scratch.Path() / "demo.scf").string();
    fs::copy_file(TESSELLAR_DEMO_OVERRIDES, overridePath);
    platform::RecordingMessageSink sink;

    Document document(scratch.Path().string());
    ASSERT_TRUE(document.LoadProgram(TESSELLAR_DEMO_PROGRAM, sink));
    ASSERT_EQ(document.OpenOverrideFile(overridePath, sink), overrides::OpenResult::Opened);
    program::DirectoryPage page(program::BrowserPage::All);
    program::FillDirectoryPage(page, *document.Image(), "", sink);
    model::CScreenModel& fromWorkFile = EntryNamed(page, "MAIN-MENU");
    document.OpenEntry(fromWorkFile, sink);

    overrides::SectionBodies sections;
    ASSERT_TRUE(overrides::ReadSectionBodies(overridePath, sections));
    program::DirectoryPage memoryPage(program::BrowserPage::All);
    program::FillDirectoryPage(memoryPage, *document.Image(), "", sink);
    model::CScreenModel& fromMemory = EntryNamed(memoryPage, "MAIN-MENU");
    EXPECT_GT(OpenEntry(fromMemory, document.Inputs(), sections, sink), 0u);

    EXPECT_EQ(fromWorkFile.Title().Current(), "Tessellar Trading");
    EXPECT_EQ(fromMemory.Title().Current(), fromWorkFile.Title().Current());
    EXPECT_FALSE(fromWorkFile.NeedsDecoding());

    document.Close(sink);
    EXPECT_FALSE(document.HasProgram());
    EXPECT_TRUE(document.Workspace().Sections().Empty());
    EXPECT_FALSE(fs::exists(scratch.Path() / "demo.bck"));
}

TEST(DocumentOpening, ProgramThatFailsToLoadLeavesNoProgram) {
    testsupport::ScratchDirectory scratch;
    platform::RecordingMessageSink sink;
    Document document(scratch.Path().string());
    EXPECT_FALSE(document.LoadProgram((scratch.Path() / "missing.op6").string(), sink));
    EXPECT_FALSE(document.HasProgram());
    EXPECT_TRUE(document.ProgramPath().empty());
    EXPECT_FALSE(sink.Messages().empty());
}

}  // namespace
}  // namespace document
