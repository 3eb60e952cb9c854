#include "platform/edit_lock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/local_time.h"
#include "platform/process_identity.h"
#include "platform/user_identity.h"

namespace platform {

namespace {

LockHolder ThisProcess() {
    LockHolder holder;
    holder.user = platform::CurrentUserName();
    holder.host = HostName();
    holder.process = ThisProcessId();
    holder.since = platform::AscTime(std::time(nullptr));
    while (!holder.since.empty() && (holder.since.back() == '\n' || holder.since.back() == ' ')) holder.since.pop_back();
    return holder;
}

std::string LockText(const LockHolder& holder) {
    return holder.user + '\n' + holder.host + '\n' + std::to_string(holder.process) + '\n' + holder.since + '\n';
}

// A lock file's holder; a file that says nothing sensible holds nothing.
bool ReadHolder(const std::string& path, LockHolder& holder) {
    std::ifstream in(path, std::ios::binary);
    std::string process;
    if (!std::getline(in, holder.user) || !std::getline(in, holder.host) || !std::getline(in, process)) return false;
    std::getline(in, holder.since);
    try {
        holder.process = std::stol(process);
    } catch (...) {
        return false;
    }
    return holder.process > 0;
}

// Creates the lock file only when none is there.
enum class Made { Yes, Exists, Failed };
Made CreateExclusive(const std::string& path, const std::string& text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return errno == EEXIST ? Made::Exists : Made::Failed;
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    const bool closed = ::close(fd) == 0;
    if (written && closed) return Made::Yes;
    ::unlink(path.c_str());
    return Made::Failed;
}

}  // namespace

std::string LockFilePath(const std::string& overrideFilePath) {
    const std::filesystem::path path(overrideFilePath);
    return (path.parent_path() / (".~" + path.filename().string() + "#")).string();
}

LockResult EditLock::Take(const std::string& overrideFilePath, bool takeOver) {
    Release();
    const std::string path = LockFilePath(overrideFilePath);
    const LockHolder self = ThisProcess();
    for (int attempt = 0; attempt < 2; ++attempt) {
        switch (CreateExclusive(path, LockText(self))) {
            case Made::Yes: path_ = path; return LockResult::Taken;
            case Made::Failed: return LockResult::NotTaken;
            case Made::Exists: break;
        }
        LockHolder found;
        const bool sensible = ReadHolder(path, found);
        const bool ours = sensible && found.host == self.host && found.process == self.process;
        if (ours) return LockResult::NotTaken;  // another document of this program holds it
        const bool stale = !sensible || (found.host == self.host && ProcessGone(found.process));
        if (!stale && !takeOver) {
            holder_ = found;
            return LockResult::HeldByOther;
        }
        // Opened anyway, or a killed customiser's lock: taken over, and made
        // again as ours. The old one goes rather than being written through:
        // a lock that is a link must not replace the file it leads to.
        ::unlink(path.c_str());
    }
    return LockResult::NotTaken;
}

void EditLock::Release() {
    if (path_.empty()) return;
    // Only a lock that still names this process goes: another may have taken it over.
    LockHolder found;
    if (ReadHolder(path_, found) && found.process == ThisProcessId()) ::unlink(path_.c_str());
    path_.clear();
}

}  // namespace platform
