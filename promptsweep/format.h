#pragma once

#include <string>

namespace promptsweep {

// printf into a string of whatever length the arguments need.
std::string Format(const char* format, ...);

// The tool's path rule: directory, separator, name, exactly as given, so a
// directory with a trailing separator yields a doubled one.
std::string JoinToolPath(const std::string& directory, const std::string& name);

// A text cut to fit a fixed field of `capacity` characters plus terminator.
std::string CutTo(std::string text, std::size_t capacity);

}  // namespace promptsweep
