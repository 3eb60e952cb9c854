#pragma once
// Creating a file under a name nobody can guess or take first: a random part
// in the name, and the file created only when no file of that name exists.

#include <cstdio>
#include <string>
#include <string_view>

namespace overrides {

// Creates DIRECTORY/PREFIX + random + SUFFIX for writing; returns the open
// file and sets `path`, or returns null (path empty) when none can be made.
std::FILE* CreateUniqueFile(const std::string& directory, std::string_view prefix, std::string_view suffix,
                            std::string& path);

// The same beside a file: PATH + PREFIX + random.
std::FILE* CreateUniqueSibling(const std::string& path, std::string_view prefix, std::string& created);

}  // namespace overrides
