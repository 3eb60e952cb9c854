#pragma once
// Where links in a tree lead, so that the run never walks or writes outside
// the directories it was given.

#include <string>
#include <vector>

namespace promptsweep {

// The path with every link and "." or ".." resolved; empty when it does not
// exist.
std::string ResolvedPath(const std::string& path);

// True when `resolved` is one of the resolved `roots` or lies below one.
bool LiesWithin(const std::string& resolved, const std::vector<std::string>& roots);

// True when the path itself (not what it leads to) is a link.
bool IsLink(const std::string& path);

// The file a chain of links at `path` ends in (a link's relative target is
// taken from the link's own directory); the path itself when it is no link,
// and empty for a chain that loops.
std::string FinalLinkTarget(const std::string& path);

}  // namespace promptsweep
