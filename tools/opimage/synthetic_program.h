#pragma once
// A generated program of any size for benchmarks: entries of every kind in
// turn (screen, review screen, data grid, menu, procedure), each with a few
// items, sharing globals, modes and many of their texts as real programs do.

#include "tools/opimage/program.h"

namespace opimage {

Program SyntheticProgram(int entryCount);

}  // namespace opimage
