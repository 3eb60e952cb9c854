// The lock file beside an override file open for editing.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/edit_lock.h"
#include "testsupport/file_text.h"
#include "testsupport/scratch_directory.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

std::string Host() {
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    return name;
}

void WriteLock(const std::string& path, const std::string& host, long process) {
    std::ofstream(path, std::ios::binary) << "pat\n" << host << '\n' << process << "\nMon Jan  1 00:00:00 2024\n";
}

TEST(EditLock, NamesItsHolderAndGoesAtRelease) {
    testsupport::ScratchDirectory scratch;
    const std::string scf = (scratch.Path() / "ledger.scf").string();
    EXPECT_EQ(LockFilePath(scf), (scratch.Path() / ".~ledger.scf#").string());
    {
        EditLock lock;
        ASSERT_EQ(lock.Take(scf), LockResult::Taken);
        const std::string text = testsupport::ReadFile(LockFilePath(scf));
        EXPECT_NE(text.find('\n' + Host() + '\n' + std::to_string(::getpid()) + '\n'), std::string::npos) << text;
        // A second document of this program is not stopped by its own lock.
        EditLock again;
        EXPECT_EQ(again.Take(scf), LockResult::NotTaken);
        again.Release();
        EXPECT_TRUE(fs::exists(LockFilePath(scf)));
    }
    EXPECT_FALSE(fs::exists(LockFilePath(scf)));
}

TEST(EditLock, ALiveHolderStopsItAndADeadOneIsTakenOver) {
    testsupport::ScratchDirectory scratch;
    const std::string scf = (scratch.Path() / "ledger.scf").string();
    const std::string lockFile = LockFilePath(scf);
    EditLock lock;

    WriteLock(lockFile, Host(), 1);  // the first process lives as long as the system
    ASSERT_EQ(lock.Take(scf), LockResult::HeldByOther);
    EXPECT_EQ(lock.Holder().user, "pat");
    EXPECT_EQ(lock.Holder().process, 1);
    EXPECT_EQ(lock.Holder().since, "Mon Jan  1 00:00:00 2024");

    WriteLock(lockFile, "elsewhere", 999999);  // another host's process cannot be asked
    EXPECT_EQ(lock.Take(scf), LockResult::HeldByOther);
    EXPECT_EQ(lock.Take(scf, true), LockResult::Taken) << "opened anyway";
    lock.Release();
    EXPECT_FALSE(fs::exists(lockFile));

    WriteLock(lockFile, Host(), 999999999);  // a killed customiser's lock
    EXPECT_EQ(lock.Take(scf), LockResult::Taken);
    EXPECT_NE(testsupport::ReadFile(lockFile).find(std::to_string(::getpid())), std::string::npos);

    // A lock another took over meanwhile is not removed by the one it replaced.
    WriteLock(lockFile, Host(), 1);
    lock.Release();
    EXPECT_TRUE(fs::exists(lockFile));
}

// Opening anyway over a lock that is a link took the lock by writing the
// file the link led to: here the user's own override file.
TEST(EditLock, OpeningAnywayNeverWritesThroughALinkedLock) {
    testsupport::ScratchDirectory scratch;
    const std::string scf = (scratch.Path() / "ledger.scf").string();
    const std::string target = (scratch.Path() / "other.scf").string();
    WriteLock(target, Host(), 1);
    const std::string before = testsupport::ReadFile(target);
    fs::create_symlink(target, LockFilePath(scf));
    EditLock lock;
    ASSERT_EQ(lock.Take(scf), LockResult::HeldByOther);
    EXPECT_EQ(lock.Take(scf, true), LockResult::Taken);
    EXPECT_EQ(testsupport::ReadFile(target), before);
    EXPECT_FALSE(fs::is_symlink(LockFilePath(scf)));
    EXPECT_NE(testsupport::ReadFile(LockFilePath(scf)).find(std::to_string(::getpid())), std::string::npos);
}

// A folder the user may not write to has no lock: nothing to warn about.
TEST(EditLock, NoLockWhereNoneCanBeMade) {
    testsupport::ScratchDirectory scratch;
    EditLock lock;
    EXPECT_EQ(lock.Take((scratch.Path() / "missing" / "ledger.scf").string()), LockResult::NotTaken);
}

}  // namespace
}  // namespace platform
