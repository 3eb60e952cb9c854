#include "platform/process_identity.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

std::string HostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return "localhost";
    return name;
}

long ThisProcessId() { return static_cast<long>(::getpid()); }

bool ProcessGone(long process) {
    if (process <= 0) return true;
    return ::kill(static_cast<pid_t>(process), 0) != 0 && errno == ESRCH;
}

}  // namespace platform
