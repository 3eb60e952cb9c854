// Two programs writing one override file: a save never drops what another
// program saved since the file was opened. Before, two customisers each
// changing a different section kept exactly one change, and a batch run made
// while a customiser had the file open was lost at its save.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/edit_lock.h"
#include "platform/message_format.h"
#include "tessellar/document/document_texts.h"
#include "tessellar/document/tests/document_fixture.h"

namespace document::testing {
namespace {

namespace fs = std::filesystem;

class LostUpdate : public DemoDocument {
protected:
    std::string ChangedMessage() const { return platform::FormatText(texts::kChangedByAnotherProgram, "demo.scf"); }
};

TEST_F(LostUpdate, TwoCustomisersOnOneFileNeverDropEachOthersSave) {
    Open(true);
    Document other(scratch_.Path().string());
    platform::RecordingMessageSink otherSink;
    ASSERT_TRUE(other.LoadProgram(TESSELLAR_DEMO_PROGRAM, otherSink));
    other.OpenOverrideFile(overridePath_, otherSink);
    program::DirectoryPage otherPage{program::BrowserPage::All};
    program::FillDirectoryPage(otherPage, *other.Image(), "", otherSink);
    model::CScreenModel* order = nullptr;
    for (std::size_t row = 0; row < otherPage.Rows().size(); ++row) {
        if (otherPage.Rows()[row].name == "ORDER") order = otherPage.Models()[row].get();
    }
    ASSERT_NE(order, nullptr);
    other.OpenEntry(*order, otherSink);

    // The first saves its change to one section.
    ASSERT_TRUE(Run(Entry("CUSTOMER"), "Modify screen title", NoKey(), {Q("First")}));
    ASSERT_TRUE(document_.Save(sink_));
    const std::string firstSave = ReadFile(overridePath_);

    // The second, opened before that save, is refused and the first's change stays.
    commands::MadeCommand made = commands::MakeCommand(*order, "Modify screen title", NoKey(), {Q("Second")});
    ASSERT_TRUE(made.command);
    ASSERT_TRUE(other.Run(*order, *made.command, otherSink));
    otherSink.Clear();
    EXPECT_TRUE(other.ChangedByAnotherProgram());
    EXPECT_FALSE(other.Save(otherSink));
    EXPECT_EQ(otherSink.Messages(), (std::vector<std::string>{ChangedMessage()}));
    EXPECT_EQ(ReadFile(overridePath_), firstSave);
    EXPECT_TRUE(other.Modified());

    // Told to overwrite, it does; its own save is then no change by another.
    other.SetOverwriteChangesOnDisk(true);
    ASSERT_TRUE(other.Save(otherSink));
    other.SetOverwriteChangesOnDisk(false);
    EXPECT_NE(ReadFile(overridePath_).find("title = \"Second\""), std::string::npos);
    EXPECT_FALSE(other.ChangedByAnotherProgram());
    ASSERT_TRUE(other.Run(*order, *made.command, otherSink));
    EXPECT_TRUE(other.Save(otherSink));
    other.ForgetEntry(*order);

    // And the first now finds the second's save in its way.
    EXPECT_TRUE(document_.ChangedByAnotherProgram());
}

// A file system that keeps no modification times (or a change made within
// the clock's step, of the same size): the bytes still tell.
TEST_F(LostUpdate, AChangeOfTheSameSizeAndTimeIsStillFound) {
    Open(true);
    const fs::file_time_type opened = fs::last_write_time(overridePath_);
    std::string text = ReadFile(overridePath_);
    text[text.find("Tessellar Trading")] = 't';
    WriteFile(overridePath_, text);
    fs::last_write_time(overridePath_, opened);
    EXPECT_FALSE(document_.MayHaveChangedOnDisk());
    EXPECT_TRUE(document_.ChangedByAnotherProgram());
    ASSERT_TRUE(Run(Entry("CUSTOMER"), "Modify screen title", NoKey(), {Q("Mine")}));
    sink_.Clear();
    EXPECT_FALSE(document_.Save(sink_));
    EXPECT_EQ(sink_.Messages(), (std::vector<std::string>{ChangedMessage()}));
    EXPECT_EQ(ReadFile(overridePath_), text);
}

// A file only touched (a backup program, a copy that kept the bytes) holds
// nothing to lose.
TEST_F(LostUpdate, AFileOnlyTouchedSavesAndAFileMadeMeanwhileIsKept) {
    Open(true);
    fs::last_write_time(overridePath_, fs::last_write_time(overridePath_) + std::chrono::hours(1));
    EXPECT_TRUE(document_.MayHaveChangedOnDisk());
    EXPECT_FALSE(document_.ChangedByAnotherProgram());
    ASSERT_TRUE(Run(Entry("CUSTOMER"), "Modify screen title", NoKey(), {Q("Mine")}));
    EXPECT_TRUE(document_.Save(sink_));
    EXPECT_TRUE(sink_.Messages().empty());
    EXPECT_FALSE(document_.MayHaveChangedOnDisk()) << "the save's own time is the one remembered";

    // Opened with no file yet; the batch tool makes one before the save.
    Document fresh(scratch_.Path().string());
    platform::RecordingMessageSink freshSink;
    ASSERT_TRUE(fresh.LoadProgram(TESSELLAR_DEMO_PROGRAM, freshSink));
    const std::string none = (scratch_.Path() / "new.scf").string();
    fresh.OpenOverrideFile(none, freshSink);
    WriteFile(none, "screen CUSTOMER\n\t{\n\twindow\n\t\t{\n\t\ttitle = \"Batch\"\n\t\t}\n\t}\n");
    EXPECT_FALSE(fresh.Save(freshSink));
    EXPECT_NE(ReadFile(none).find("Batch"), std::string::npos);
}

// Another customiser (a live process on this host) has the file open.
TEST_F(LostUpdate, AFileAnotherCustomiserHoldsOpensReadOnlyUnlessOpenedAnyway) {
    overridePath_ = (scratch_.Path() / "demo.scf").string();
    fs::copy_file(TESSELLAR_DEMO_OVERRIDES, overridePath_);
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    WriteFile(platform::LockFilePath(overridePath_), std::string("pat\n") + host + "\n1\nMon Jan  1 00:00:00 2024\n");
    ASSERT_TRUE(document_.LoadProgram(TESSELLAR_DEMO_PROGRAM, sink_));
    const std::string holder = std::string("pat on ") + host + " (process 1, since Mon Jan  1 00:00:00 2024)";

    std::string asked;
    EXPECT_EQ(document_.OpenOverrideFile(overridePath_, sink_,
                                         [&](const std::string& question) {
                                             asked = question;
                                             return false;
                                         }),
              overrides::OpenResult::ReadOnly);
    EXPECT_EQ(asked, platform::FormatText(texts::kOpenAnywayQuestion, overridePath_.c_str(), holder.c_str()));
    EXPECT_TRUE(document_.ReadOnly());
    EXPECT_EQ(sink_.Messages(), (std::vector<std::string>{platform::FormatText(
                                    texts::kHeldReadOnly, overridePath_.c_str(), holder.c_str())}));

    EXPECT_EQ(document_.OpenOverrideFile(overridePath_, sink_, [](const std::string&) { return true; }),
              overrides::OpenResult::Opened);
    EXPECT_FALSE(document_.ReadOnly());
    document_.Close(sink_);
    EXPECT_FALSE(fs::exists(platform::LockFilePath(overridePath_))) << "the lock taken over goes at close";
}

}  // namespace
}  // namespace document::testing
