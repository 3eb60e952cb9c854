#pragma once
// The program's modes a screen can take onto its mode line: each
// program-wide mode with an identifier that the screen's line does not
// show yet, in program order.

#include <string>
#include <vector>

#include "tessellar/model/screen_model.h"

namespace commands {

std::vector<std::string> ModesToAdd(const model::CScreenModel& screen);

}  // namespace commands
