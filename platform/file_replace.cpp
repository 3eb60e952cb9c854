#include "platform/file_replace.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "platform/scratch_faults.h"
#include "platform/unique_file.h"

namespace platform {

namespace {

// Large enough that a work file of some hundred kilobytes takes few calls.
constexpr std::size_t kWriteBlock = 64 * 1024;

// A step that may go ahead; a failed one leaves the reason a failing disk gives.
bool Step(IoFaults& faults) {
    if (faults.Step()) return true;
    errno = EIO;
    return false;
}

bool WriteBlocks(std::FILE* file, std::string_view text, IoFaults& faults) {
    for (std::size_t at = 0; at < text.size(); at += kWriteBlock) {
        const std::size_t length = std::min(kWriteBlock, text.size() - at);
        if (!Step(faults) || std::fwrite(text.data() + at, 1, length, file) != length) return false;
    }
    return true;
}

// Flushes the C buffer and the system's cache, so that a crash after the
// rename cannot leave the new name on a file whose bytes never reached the disk.
bool FlushAndSync(std::FILE* file, IoFaults& faults) {
    if (!Step(faults) || std::fflush(file) != 0) return false;
#ifdef _WIN32
    return true;
#else
    return Step(faults) && ::fsync(::fileno(file)) == 0;
#endif
}

std::optional<std::string> ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return text;
}

enum class Sync { ToDisk, None };

// The file a path names at the end of its links. A user's override file may
// be a link into a share that others read: the share's file must change,
// and the link stay a link.
std::string FinalTarget(const std::string& path) {
    constexpr int kMostLinks = 40;  // as the system gives up on a loop
    std::filesystem::path at(path);
    for (int link = 0; link < kMostLinks; ++link) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(at, error))) break;
        const std::filesystem::path target = std::filesystem::read_symlink(at, error);
        if (error) break;
        at = target.is_absolute() ? target : at.parent_path() / target;
    }
    return at.string();
}

bool Replace(const std::string& linkOrFile, std::string_view text, IoFaults& faults, Sync sync) {
    const std::string path = FinalTarget(linkOrFile);
    std::string temporary;
    std::FILE* file = Step(faults) ? CreateUniqueSibling(path, ".new-", temporary) : nullptr;
    if (file == nullptr) return false;
    bool written = WriteBlocks(file, text, faults) &&
                   (sync == Sync::ToDisk ? FlushAndSync(file, faults) : Step(faults) && std::fflush(file) == 0);
    const int reason = errno;
    written = (std::fclose(file) == 0) && written;
    if (!written) {
        RemoveFile(temporary);
        errno = reason;
        return false;
    }
    std::error_code error;
    // The new file keeps the permissions of the one it replaces.
    const auto permissions = std::filesystem::status(path, error).permissions();
    if (!error && permissions != std::filesystem::perms::unknown) {
        std::filesystem::permissions(temporary, permissions, std::filesystem::perm_options::replace, error);
    }
    error.clear();
    if (Step(faults)) std::filesystem::rename(temporary, path, error);
    else error = std::make_error_code(std::errc::io_error);
    if (error) {
        RemoveFile(temporary);
        errno = error.value();
        return false;
    }
    return true;
}

}  // namespace

bool ReplaceFile(const std::string& path, std::string_view text, IoFaults& faults) {
    return Replace(path, text, faults, Sync::ToDisk);
}

bool ReplaceFile(const std::string& path, std::string_view text) {
    IoFaults none;
    return ReplaceFile(path, text, none);
}

bool WriteCopyInPlace(const std::string& path, std::string_view text, IoFaults& faults) {
#ifdef _WIN32
    std::FILE* file = Step(faults) ? std::fopen(path.c_str(), "wb") : nullptr;
#else
    const int descriptor =
        Step(faults) ? ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600) : -1;
    std::FILE* file = descriptor >= 0 ? ::fdopen(descriptor, "wb") : nullptr;
    if (file == nullptr && descriptor >= 0) ::close(descriptor);
#endif
    if (file == nullptr) return false;
    const bool written = WriteBlocks(file, text, faults) && Step(faults) && std::fflush(file) == 0;
    return std::fclose(file) == 0 && written;
}

bool ReplaceScratchFile(const std::string& path, std::string_view text) {
    IoFaults none;
    IoFaults* scoped = ScratchFaults();
    return Replace(path, text, scoped != nullptr ? *scoped : none, Sync::None);
}

bool MoveFileOver(const std::string& from, const std::string& to) {
    if (!ScratchStep()) return false;
    std::error_code error;
    std::filesystem::rename(from, to, error);
    if (!error) return true;
    const std::optional<std::string> text = ReadWhole(from);
    if (!text || !ReplaceFile(to, *text)) return false;
    RemoveFile(from);
    return true;
}

bool RemoveFile(const std::string& path) {
    std::error_code error;
    std::filesystem::remove(path, error);
    return !std::filesystem::exists(path, error) && !error;
}

}  // namespace platform
