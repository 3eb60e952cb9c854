#include "promptsweep/file_operations.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>

#include "platform/file_replace.h"
#include "promptsweep/untrusted_files.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace promptsweep {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

std::optional<std::string> FileOperations::ReadWhole(const std::string& path) {
    return ReadRegularFile(path, std::numeric_limits<std::size_t>::max()).content;
}

bool FileOperations::CreateEmpty(const std::string& path) {
    FileRefusal refusal = FileRefusal::None;
    FileHandle file(OpenRegularForWriting(path, WriteOpening::Truncate, refusal));
    return file != nullptr;
}

bool FileOperations::CreateNew(const std::string& path) { return CreateNewFile(path); }

bool FileOperations::WriteWhole(const std::string& path, std::string_view content, bool synced) {
    // A transient of the run's own, never renamed, is written in place: the
    // file system then has no replacement to flush (which a rename over it
    // asks for), and a report-only run stays as fast as reading.
    return synced ? platform::ReplaceFile(path, content) : WriteRegularFileInPlace(path, content);
}

bool FileOperations::WriteDurably(const std::string& path, std::string_view content) {
    return platform::ReplaceFile(path, content);
}

bool FileOperations::Remove(const std::string& path) { return std::remove(path.c_str()) == 0; }

bool FileOperations::RenameNoReplace(const std::string& from, const std::string& to) {
#ifdef _WIN32
    return std::rename(from.c_str(), to.c_str()) == 0;  // never replaces there
#else
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without the flag: a hard link fails when `to` exists.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    ::unlink(from.c_str());
    return true;
#endif
}

bool FileOperations::ReplaceAtomically(const std::string& from, const std::string& to) {
    std::error_code error;
    const auto permissions = std::filesystem::status(to, error).permissions();
    if (!error) std::filesystem::permissions(from, permissions, error);
    error.clear();
    std::filesystem::rename(from, to, error);
    if (error == std::errc::cross_device_link) return platform::MoveFileOver(from, to);
    return !error;
}

bool FileOperations::IsReadOnly(const std::string& path) {
    std::error_code error;
    const auto permissions = std::filesystem::status(path, error).permissions();
    if (error) return false;
    using std::filesystem::perms;
    if ((permissions & (perms::owner_write | perms::group_write | perms::others_write)) == perms::none) return true;
#ifndef _WIN32
    return ::access(path.c_str(), W_OK) != 0;
#else
    return false;
#endif
}

DirectoryState InspectDirectory(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) return DirectoryState::Missing;
    if (!std::filesystem::is_directory(status)) return DirectoryState::NotADirectory;
#ifndef _WIN32
    if (::access(path.c_str(), W_OK | X_OK) != 0) return DirectoryState::NotWritable;
#endif
    return DirectoryState::Writable;
}

bool CreateDirectoryLevel(const std::string& path) {
    std::error_code error;
    return std::filesystem::create_directory(path, error) && !error;
}

std::optional<DirectoryIdentity> IdentifyDirectory(const std::string& path) {
#ifndef _WIN32
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return DirectoryIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
#else
    (void)path;
    return std::nullopt;
#endif
}

}  // namespace promptsweep
