#pragma once
// The save-time filter: a section work file as it goes into the saved
// override file, without the blocks that no longer change anything (an
// added item taken away again, an added item suppressed, a block left with
// nothing but resets).

#include <cstddef>
#include <istream>
#include <ostream>

namespace overrides {

// Copies the kept blocks of a work file to `out` and returns how many were
// kept. Lines before a block (comments, blank lines) go and stay with it;
// lines after the last block are dropped.
std::size_t FilterSectionForSave(std::istream& in, std::ostream& out);

}  // namespace overrides
