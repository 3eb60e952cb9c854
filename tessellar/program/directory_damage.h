#pragma once
// A damaged program can still load: its directory walk stops early (a next
// entry outside the file, or one that leads back to an entry already
// listed), or an entry's name lies outside the file and shows blank. What
// such a program leaves out, said once in words when it is opened.

#include <optional>
#include <string>

#include "tessellar/program/image/program_image.h"

namespace program {

// Nothing for a sound directory; otherwise what was skipped, e.g. "the
// directory stops after 3 entries: the next one lies outside the file".
std::optional<std::string> DescribeDirectoryDamage(const ProgramImage& image);

}  // namespace program
