#pragma once
// Messages built printf-style from a module's texts.

#include <string>

namespace platform {

// printf into a string as long as the arguments need, never cut.
std::string FormatText(const char* format, ...);

}  // namespace platform
