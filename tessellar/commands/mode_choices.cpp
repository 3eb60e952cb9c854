#include "tessellar/commands/mode_choices.h"

#include <algorithm>

namespace commands {

std::vector<std::string> ModesToAdd(const model::CScreenModel& screen) {
    std::vector<std::string> names;
    for (const model::CModeItem& mode : screen.Modes(model::ModeList::ProgramWide)) {
        if (mode.identifier.empty()) continue;
        if (screen.FindModeByIdentifier(mode.identifier, model::ModeList::Screen) != nullptr) continue;
        if (std::find(names.begin(), names.end(), mode.identifier) == names.end()) names.push_back(mode.identifier);
    }
    return names;
}

}  // namespace commands
