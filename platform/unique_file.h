#pragma once
// Creating a file or directory under a name nobody can guess or take first:
// a random part in the name, and the entry created only when nothing of that
// name exists.

#include <cstdio>
#include <string>
#include <string_view>

namespace platform {

// Creates DIRECTORY/PREFIX + random + SUFFIX for writing; returns the open
// file and sets `path`, or returns null (path empty) when none can be made.
std::FILE* CreateUniqueFile(const std::string& directory, std::string_view prefix, std::string_view suffix,
                            std::string& path);

// The same beside a file: PATH + PREFIX + random.
std::FILE* CreateUniqueSibling(const std::string& path, std::string_view prefix, std::string& created);

// Gives the file `existing` a second name, DIRECTORY/PREFIX + random +
// SUFFIX (a hard link: the same bytes, nothing copied); false (path empty)
// when it is missing or the file system has no such names.
bool LinkUniqueName(const std::string& existing, const std::string& directory, std::string_view prefix,
                    std::string_view suffix, std::string& path);
// Creates DIRECTORY/PREFIX + random, readable by its owner only; false (path
// empty) when none can be made.
bool CreateUniqueDirectory(const std::string& directory, std::string_view prefix, std::string& path);
// Whether `path` is such a directory: one of this user's (not a link to
// one) that nobody else may read, enter or write. A directory in a shared
// temporary folder that is not may have been put there by someone else.
bool IsPrivateDirectory(const std::string& path);

}  // namespace platform
