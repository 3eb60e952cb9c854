// The work of a customiser that was killed: its work folder (here made as
// one would be left, its process long gone) is offered back when its
// override file is opened again. Before, it stayed in the temporary folder
// for ever and nothing offered the edits back.

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/message_format.h"
#include "platform/process_identity.h"
#include "tessellar/document/document_texts.h"
#include "tessellar/document/tests/document_fixture.h"
#include "tessellar/overrides/work_folder_recovery.h"

namespace document::testing {
namespace {

namespace fs = std::filesystem;

constexpr long kGoneProcess = 999999999;

class Recovery : public DemoDocument {
protected:
    // A work folder left by a killed customiser of `overrideFile`, `age` seconds ago.
    fs::path LeftFolder(const std::string& name, const std::string& overrideFile, std::time_t age) {
        const fs::path folder = scratch_.Path() / ("tessellar-" + name);
        fs::create_directory(folder);
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace);
        WriteOwner(folder, overrideFile, age);
        WriteFile((folder / "ZZZ_CUSTOMER.tmp").string(), "window\n\t{\n\ttitle = \"Never saved\"\n\t}\n");
        WriteFile((folder / "ZZZ_REPORTS-MENU%menu.tmp").string(),
                  "option\n\t{\n\torig_text = \"Back\"\n\ttext = \"Return\"\n\t}\n");
        return folder;
    }

    static void WriteOwner(const fs::path& folder, const std::string& overrideFile, std::time_t age) {
        WriteFile((folder / "owner").string(), "tessellar work folder\nprogram=demo.op6\noverride=" + overrideFile +
                                                   "\nhost=" + platform::HostName() + "\nprocess=" +
                                                   std::to_string(kGoneProcess) + "\nmade=" +
                                                   std::to_string(static_cast<long long>(std::time(nullptr) - age)) +
                                                   "\n");
    }

    void OpenAnswering(bool recover, bool withSample = true) {
        document_.SetRecovery([this, recover](const std::string& found) {
            asked_ = found;
            return recover;
        });
        Open(withSample);
    }

    std::string asked_;
};

TEST_F(Recovery, RecoverMakesTheLeftWorkFilesTheDocumentsAndSavesThem) {
    const fs::path left = LeftFolder("killed", (scratch_.Path() / "demo.scf").string(), 60);
    const fs::path otherOld = LeftFolder("old", "/elsewhere/other.scf", 8 * 24 * 60 * 60);
    const fs::path otherNew = LeftFolder("new", "/elsewhere/other.scf", 60);
    OpenAnswering(true);
    EXPECT_EQ(asked_.rfind("Changes to demo.scf that were never saved were found (", 0), 0u) << asked_;
    EXPECT_TRUE(document_.Modified());
    EXPECT_EQ(Entry("CUSTOMER").Title().Current(), "Never saved");
    ASSERT_TRUE(document_.Save(sink_));
    const std::string saved = ReadFile(overridePath_);
    EXPECT_NE(saved.find("title = \"Never saved\""), std::string::npos);
    EXPECT_NE(saved.find("menu REPORTS-MENU"), std::string::npos);
    EXPECT_NE(saved.find("screen ORDER-LINES"), std::string::npos) << "sections the folder did not hold stay";
    EXPECT_FALSE(fs::exists(left));
    EXPECT_FALSE(fs::exists(otherOld)) << "a week old: removed";
    EXPECT_TRUE(fs::exists(otherNew)) << "kept for its own customiser";
}

TEST_F(Recovery, DiscardRemovesTheLeftFolderAndChangesNothing) {
    const fs::path left = LeftFolder("killed", (scratch_.Path() / "demo.scf").string(), 60);
    OpenAnswering(false);
    EXPECT_FALSE(asked_.empty());
    EXPECT_FALSE(document_.Modified());
    EXPECT_NE(Entry("CUSTOMER").Title().Current(), "Never saved");
    EXPECT_EQ(WorkFile(Entry("CUSTOMER")).find("Never saved"), std::string::npos);
    EXPECT_FALSE(fs::exists(left));
}

// The steps come back with the work: undoing after the recovery walks back
// through what the killed customiser did.
TEST_F(Recovery, TheUndoStepsComeBackWithTheWork) {
    Open(true);
    model::CScreenModel& customer = Entry("CUSTOMER");
    const std::string original = customer.Title().Current();
    ASSERT_TRUE(Run(customer, "Modify screen title", NoKey(), {Q("First")}));
    ASSERT_TRUE(Run(customer, "Modify screen title", NoKey(), {Q("Second")}));
    const std::vector<std::string> labels = document_.UndoLabels(customer);
    ASSERT_EQ(labels.size(), 2u);
    // Killed: its folder stays behind, its process gone.
    const fs::path left = scratch_.Path() / "tessellar-killed";
    fs::copy(document_.Workspace().WorkFiles().Path(), left);
    fs::permissions(left, fs::perms::owner_all, fs::perm_options::replace);
    WriteOwner(left, overridePath_, 60);
    for (const auto& model : page_.Models()) document_.ForgetEntry(*model);
    program::ClearDirectoryPage(page_);
    document_.Close(sink_);

    OpenAnswering(true, false);
    ASSERT_FALSE(asked_.empty());
    model::CScreenModel& recovered = Entry("CUSTOMER");
    EXPECT_EQ(recovered.Title().Current(), "Second");
    EXPECT_EQ(document_.UndoLabels(recovered), labels);
    ASSERT_TRUE(document_.Undo(recovered, sink_));
    EXPECT_EQ(recovered.Title().Current(), "First");
    ASSERT_TRUE(document_.Undo(recovered, sink_));
    EXPECT_EQ(recovered.Title().Current(), original);
    EXPECT_FALSE(document_.CanUndo(recovered));
    EXPECT_FALSE(fs::exists(left));
}

// The journal comes from a folder anyone could have left: it brings back no
// step past a lost snapshot, and never a file from outside its folder.
TEST_F(Recovery, AJournalIsTrustedNoFurtherThanTheSnapshotsBesideIt) {
    const fs::path left = LeftFolder("killed", (scratch_.Path() / "demo.scf").string(), 60);
    WriteFile((left / "ZZZ_CUSTOMER.steps").string(),
              "tessellar undo steps\nudolost.tmp\tModify screen title(Lost)\n"
              "udoa.tmp\tModify screen title(Kept)\nudob.tmp\tModify screen title(Never\\tsaved)\n");
    WriteFile((left / "udoa.tmp").string(), "");
    WriteFile((left / "udob.tmp").string(), "window\n\t{\n\ttitle = \"Kept\"\n\t}\n");
    WriteFile((left / "ZZZ_REPORTS-MENU%menu.steps").string(), "tessellar undo steps\n../demo.scf\tTaken\n");
    OpenAnswering(true);
    model::CScreenModel& customer = Entry("CUSTOMER");
    EXPECT_EQ(document_.UndoLabels(customer),
              (std::vector<std::string>{"No. 2: Modify screen title(Never\tsaved)", "No. 1: Modify screen title(Kept)"}));
    ASSERT_TRUE(document_.Undo(customer, sink_));
    EXPECT_EQ(customer.Title().Current(), "Kept");
    EXPECT_TRUE(document_.UndoLabels(Entry("REPORTS-MENU")).empty());
    EXPECT_TRUE(fs::exists(scratch_.Path() / "demo.scf"));
}

// The temporary folder is shared: a folder that another user could have
// made, or a link to one, names any override file it likes. Before, its
// "changes" were offered, and a week later it was removed.
TEST_F(Recovery, OnlyThisUsersPrivateFoldersAreOfferedOrRemoved) {
    const fs::path open = LeftFolder("open", (scratch_.Path() / "demo.scf").string(), 60);
    fs::permissions(open, fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec, fs::perm_options::add);
    const fs::path old = LeftFolder("old", "/elsewhere/other.scf", 8 * 24 * 60 * 60);
    const fs::path link = scratch_.Path() / "tessellar-link";
    fs::rename(old, scratch_.Path() / "elsewhere");
    fs::create_directory_symlink(scratch_.Path() / "elsewhere", link);
    OpenAnswering(true);
    EXPECT_TRUE(asked_.empty()) << asked_;
    EXPECT_FALSE(document_.Modified());
    EXPECT_TRUE(fs::exists(open / "ZZZ_CUSTOMER.tmp"));
    EXPECT_TRUE(fs::is_symlink(link)) << "a week old, but a link";
}

// A folder whose process still runs is another customiser's, at work.
TEST_F(Recovery, ALiveCustomisersFolderIsLeftAlone) {
    const fs::path live = LeftFolder("live", (scratch_.Path() / "demo.scf").string(), 60);
    WriteFile((live / "owner").string(), "tessellar work folder\noverride=" + (scratch_.Path() / "demo.scf").string() +
                                             "\nhost=" + platform::HostName() + "\nprocess=1\nmade=0\n");
    OpenAnswering(true);
    EXPECT_TRUE(asked_.empty());
    EXPECT_TRUE(fs::exists(live));
    EXPECT_FALSE(document_.Modified());
}

TEST(WorkFileNames, GiveBackTheirSections) {
    overrides::SectionKind kind;
    std::string name;
    ASSERT_TRUE(overrides::SectionOfWorkFileName("ZZZ_..%2F..%2Fx%25%menu.tmp", kind, name));
    EXPECT_EQ(name, "../../x%");
    EXPECT_EQ(kind, overrides::SectionKind::Menu);
    ASSERT_TRUE(overrides::SectionOfWorkFileName("ZZZ_ORDER.tmp", kind, name));
    EXPECT_EQ(kind, overrides::SectionKind::Screen);
    EXPECT_FALSE(overrides::SectionOfWorkFileName("udo0123.tmp", kind, name));
    EXPECT_FALSE(overrides::SectionOfWorkFileName("ZZZ_BAD%2.tmp", kind, name));
}

}  // namespace
}  // namespace document::testing
