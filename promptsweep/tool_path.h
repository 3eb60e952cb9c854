#pragma once
// The batch tool's own way of joining a directory and a name, which its run
// log and override file paths show.

#include <string>

namespace promptsweep {

// The tool's path rule: directory, separator, name, exactly as given, so a
// directory with a trailing separator yields a doubled one.
std::string JoinToolPath(const std::string& directory, const std::string& name);

}  // namespace promptsweep
