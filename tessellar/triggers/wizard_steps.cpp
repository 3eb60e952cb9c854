// The wizard's step refusals.

#include "tessellar/triggers/wizard_steps.h"

#include "tessellar/triggers/trigger_texts.h"

namespace triggers {

std::optional<std::string> ProgramTypeRefusal(int programType) {
    if (programType >= 1 && programType <= 6) return std::nullopt;
    return std::string(texts::kNoProgramType);
}

std::optional<std::string> ProgramRefusal(std::string_view program) {
    if (program.find_first_not_of(' ') != std::string_view::npos) return std::nullopt;
    return std::string(texts::kNoProgram);
}

}  // namespace triggers
