#pragma once
// Start-up rules of the front end that do not need a window.

#include <optional>
#include <string>
#include <vector>

namespace sweepui {

// "-debug" found anywhere in the arguments, in any case.
bool HasDebugWord(const std::vector<std::string>& arguments);

// A tip is on unless its registry value, trimmed, is "0".
bool TipIsOn(const std::optional<std::string>& value);

// The list file lives in the program's own directory when that can be
// written (a program run from its build or unpacked directory), else in the
// user's data directory (an installed program).
std::string ListFileDirectory(const std::string& programDirectory, const std::string& userDataDirectory);

}  // namespace sweepui
