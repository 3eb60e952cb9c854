#pragma once

#include <string>

namespace platform {

// The directory for temporary files: "TEMP" when set and not empty, else
// "TMPDIR" on POSIX, else the system's fixed fallback ("/tmp", "c:\temp").
std::string TempDirectory();

}  // namespace platform
