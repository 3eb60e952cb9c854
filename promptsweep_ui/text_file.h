#pragma once
// Reading and replacing the front end's small text files.

#include <string>
#include <vector>

namespace sweepui {

// The file's lines without their line ends ("\n" or "\r\n"); nothing when it
// cannot be read.
std::vector<std::string> ReadLines(const std::string& path);

// The path itself when the file or directory exists, else empty (the short
// form of a path on a system without short names).
std::string ShortPath(const std::string& path);

}  // namespace sweepui
