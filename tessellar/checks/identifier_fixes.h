#pragma once
// The fixes of a check, made safe to apply, and applying them. A fix
// changes one identifier line or section header and nothing else, so that
// every other byte of the file (comments, blank lines, the order of blocks,
// other sections) stays as it was.

#include <string>
#include <string_view>
#include <vector>

#include "tessellar/checks/finding.h"

namespace checks {

// Whether a key names a block's item (tag, name, orig_text, orig_coordinate).
bool IsIdentifierKey(std::string_view key);

// Fills each fix's old text from the file, and takes back every fix that
// would make two blocks name one item: one whose new line another block of
// its section already has, two that name one item anew, or two on one line.
void SettleFixes(std::string_view overrideText, std::vector<Finding>& findings);

// The file with the fixes applied: the certain ones, and the likely ones too
// when asked. A fix whose line no longer holds its old text is left out.
std::string ApplyFixes(std::string_view overrideText, const std::vector<Finding>& findings, bool likelyToo);

// How many fixes ApplyFixes would apply.
std::size_t FixCount(const std::vector<Finding>& findings, bool likelyToo);

}  // namespace checks
