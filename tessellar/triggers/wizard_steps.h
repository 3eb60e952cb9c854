#pragma once
// Why the wizard will not go on from its first two steps.

#include <optional>
#include <string>
#include <string_view>

namespace triggers {

// Types run from 1 to 6; anything else means none was chosen.
std::optional<std::string> ProgramTypeRefusal(int programType);
std::optional<std::string> ProgramRefusal(std::string_view program);

}  // namespace triggers
