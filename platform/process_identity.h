#pragma once
// Who this process is, for the files that name their maker (lock files,
// work folders), and whether a process so named is still running.

#include <string>

namespace platform {

std::string HostName();
long ThisProcessId();
// True only when the system says no such process runs on this host.
bool ProcessGone(long process);

}  // namespace platform
