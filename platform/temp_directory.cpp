#include "platform/temp_directory.h"

#include <cstdlib>

namespace platform {

namespace {

const char* NonEmptyVariable(const char* name) {
    const char* value = std::getenv(name);
    return (value != nullptr && *value != '\0') ? value : nullptr;
}

}  // namespace

std::string TempDirectory() {
    if (const char* temp = NonEmptyVariable("TEMP")) return temp;
#ifdef _WIN32
    return "c:\\temp";
#else
    if (const char* tmpdir = NonEmptyVariable("TMPDIR")) return tmpdir;
    return "/tmp";
#endif
}

}  // namespace platform
