#pragma once

#include <ctime>
#include <string>

namespace platform {

// The time in the classic asctime form "Tue Dec  8 14:04:10 2026\n",
// line end included, as logs and file headers carry it.
std::string AscTime(std::time_t when);

// AscTime of the current local time.
std::string LocalAscTimeNow();

}  // namespace platform
