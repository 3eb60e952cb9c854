#pragma once
// The lock file beside an override file open for editing, ".~NAME.scf#",
// holding who has it: user, host, process and since when. A second
// customiser that finds it opens the file read-only with the holder named
// (and may open it anyway); a lock whose process is gone on this host (a
// customiser that was killed) is taken over without a word. The lock only
// warns: programs that know nothing of it (the batch tool, an editor) are
// caught by the save's comparison instead.

#include <string>

namespace platform {

struct LockHolder {
    std::string user;
    std::string host;
    long process = 0;
    std::string since;
};

enum class LockResult {
    Taken,        // the lock file is this process's now
    HeldByOther,  // a live process of another customiser holds it (Holder says who)
    NotTaken,     // no lock file could be made (a folder the user may not write to): nothing to warn about
};

class EditLock {
public:
    EditLock() = default;
    ~EditLock() { Release(); }
    EditLock(const EditLock&) = delete;
    EditLock& operator=(const EditLock&) = delete;

    // Locks the override file; with `takeOver` a lock another holds is
    // made this process's (the user chose to open it anyway). A lock held
    // by this very process (a second document in one program) does not stop it.
    LockResult Take(const std::string& overrideFilePath, bool takeOver = false);
    // The holder Take found, after HeldByOther.
    const LockHolder& Holder() const { return holder_; }
    // Removes the lock file when it is this process's.
    void Release();

private:
    std::string path_;  // the lock file this process made, or empty
    LockHolder holder_;
};

// ".~NAME.scf#" beside the override file.
std::string LockFilePath(const std::string& overrideFilePath);

}  // namespace platform
