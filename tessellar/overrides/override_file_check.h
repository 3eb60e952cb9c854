#pragma once
// Telling an override file from a file that plainly is not one (a compiled
// program, a README, random bytes) before anything is copied from it or
// written over it: a user who names the wrong file with "-m" must not lose it
// at the first save.

#include <istream>
#include <string>

namespace overrides {

// True when the text is binary (at least one byte in a hundred a NUL or
// another control character no text file has), or is not blank and has no
// line the override reader recognises: the header line, a section header,
// an item keyword or a known key. Decides block by block, so a device that
// never ends (/dev/zero) is answered at its first block.
bool PlainlyNotAnOverrideText(std::istream& in);

// The same for a file; false when it is missing or cannot be read (the
// caller's own handling of those stands).
bool PlainlyNotAnOverrideFile(const std::string& path);

}  // namespace overrides
