#pragma once
// The walk over a tree of programs: a directory's programs in name order,
// then its sub-directories in name order, each program matched by its name
// ending in ".op6" or ".op5" whatever the case. A directory link that leads
// back into the walk is not followed again.

#include <functional>
#include <string>
#include <string_view>

namespace scfcheck {

bool IsProgramFileName(std::string_view name);

// False when the root itself cannot be listed.
bool WalkPrograms(const std::string& root, const std::function<void(const std::string&)>& visit);

}  // namespace scfcheck
