#pragma once
// The file system calls whose failures the tool reports, behind one
// interface so that tests can make any one of them fail and check that no
// user's file is lost.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace promptsweep {

class FileOperations {
public:
    virtual ~FileOperations() = default;

    // Reads a whole regular file (a link to one is followed); nothing when it
    // cannot be opened or read, or is a FIFO or a device.
    virtual std::optional<std::string> ReadWhole(const std::string& path);
    // Creates or empties a file, never through a link or into a FIFO in its
    // place; false when that fails.
    virtual bool CreateEmpty(const std::string& path);
    // Creates an empty file only when nothing of that name exists (a link
    // there included); false when that fails.
    virtual bool CreateNew(const std::string& path);
    // Writes a whole file. `synced`: through a temporary beside it that is
    // synced to the disk and renamed over it, so the file is the old one or
    // the whole new one; otherwise (a transient that is never renamed) in
    // place. False when any write fails.
    virtual bool WriteWhole(const std::string& path, std::string_view content, bool synced);
    // Writes a whole file, synced to the disk; an earlier file there is
    // replaced in one step, never truncated.
    virtual bool WriteDurably(const std::string& path, std::string_view content);
    virtual bool Remove(const std::string& path);
    // Renames only when nothing exists at `to`, so an existing file there
    // (one that could not be read, say) is never overwritten.
    virtual bool RenameNoReplace(const std::string& from, const std::string& to);
    // Puts `from` in the place of `to` in one step, giving it `to`'s
    // permissions: at every moment `to` is either the old or the new file.
    // When `to` is on another file system its bytes are replaced as
    // WriteWhole does.
    virtual bool ReplaceAtomically(const std::string& from, const std::string& to);
    // Marked read-only: no write permission, whoever asks.
    virtual bool IsReadOnly(const std::string& path);
};

// The directory checks of the run.
enum class DirectoryState { Writable, NotWritable, Missing, NotADirectory };
DirectoryState InspectDirectory(const std::string& path);
// Creates one directory level; false when that fails.
bool CreateDirectoryLevel(const std::string& path);

// What identifies a directory whatever path leads to it, so that a walk can
// tell when a link has led it back to where it already is.
struct DirectoryIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const DirectoryIdentity&) const = default;
};
std::optional<DirectoryIdentity> IdentifyDirectory(const std::string& path);

}  // namespace promptsweep
