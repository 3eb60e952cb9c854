#pragma once

#include <string>
#include <string_view>

namespace platform {

#ifdef _WIN32
inline constexpr char kNativeSeparator = '\\';
#else
inline constexpr char kNativeSeparator = '/';
#endif

// True for the native separator and, on Windows, for '/' as well.
bool IsPathSeparator(char c);

// Joins a directory and a name with exactly one native separator between
// them; an empty directory gives the name alone.
std::string JoinPath(std::string_view directory, std::string_view name);

}  // namespace platform
