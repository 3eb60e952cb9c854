// Replacing a user's file: whichever step fails, the old file stays whole
// and nothing is left beside it; when none fails, the new text is there with
// the old file's permissions.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/file_replace.h"
#include "testsupport/scratch_directory.h"

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::size_t EntriesIn(const fs::path& directory) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(directory), fs::directory_iterator()));
}

TEST(ReplaceFile, EveryFailingStepLeavesTheOldFileAndNoTemporary) {
    testsupport::ScratchDirectory scratch;
    const fs::path path = scratch.Path() / "user.scf";
    const std::string before = "old text\n";
    const std::string after(10000, 'n');  // several write blocks
    std::ofstream(path, std::ios::binary) << before;
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    platform::IoFaults counting;
    ASSERT_TRUE(platform::ReplaceFile(path.string(), before, counting));
    ASSERT_GE(counting.Steps(), 5u) << "create, blocks, flush, sync, rename";
    for (std::size_t failing = 1; failing <= counting.Steps(); ++failing) {
        platform::IoFaults faults(failing);
        EXPECT_FALSE(platform::ReplaceFile(path.string(), after, faults)) << "step " << failing;
        EXPECT_EQ(Read(path), before) << "step " << failing;
        EXPECT_EQ(EntriesIn(scratch.Path()), 1u) << "step " << failing;
    }

    ASSERT_TRUE(platform::ReplaceFile(path.string(), after));
    EXPECT_EQ(Read(path), after);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(EntriesIn(scratch.Path()), 1u);
}

TEST(ReplaceFile, MovesAFileOverAnotherAndRemovesFiles) {
    testsupport::ScratchDirectory scratch;
    const fs::path from = scratch.Path() / "snapshot.tmp";
    const fs::path to = scratch.Path() / "work.tmp";
    std::ofstream(from, std::ios::binary) << "snapshot";
    std::ofstream(to, std::ios::binary) << "current";
    EXPECT_TRUE(platform::MoveFileOver(from.string(), to.string()));
    EXPECT_EQ(Read(to), "snapshot");
    EXPECT_FALSE(fs::exists(from));
    // A missing source moves nothing and leaves the target as it was.
    EXPECT_FALSE(platform::MoveFileOver(from.string(), to.string()));
    EXPECT_EQ(Read(to), "snapshot");

    EXPECT_TRUE(platform::RemoveFile(to.string()));
    EXPECT_TRUE(platform::RemoveFile(to.string())) << "a missing file counts as removed";
    fs::create_directories(scratch.Path() / "full" / "inside");
    EXPECT_FALSE(platform::RemoveFile((scratch.Path() / "full").string())) << "a directory that stays is no success";
}

// A link to a shared override file was once replaced by a plain copy, and
// the share never saw the change.
TEST(ReplaceFile, ALinkStaysALinkAndItsTargetIsReplaced) {
    testsupport::ScratchDirectory scratch;
    fs::create_directory(scratch.Path() / "share");
    const fs::path target = scratch.Path() / "share" / "site.scf";
    std::ofstream(target, std::ios::binary) << "old";
    const fs::path link = scratch.Path() / "mine.scf";
    const fs::path second = scratch.Path() / "again.scf";
    fs::create_symlink("share/site.scf", link);  // relative, as users make them
    fs::create_symlink(link, second);            // and a link to the link
    ASSERT_TRUE(platform::ReplaceFile(second.string(), "new"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(second)));
    EXPECT_EQ(Read(target), "new");
    EXPECT_EQ(EntriesIn(scratch.Path() / "share"), 1u);
}

}  // namespace
