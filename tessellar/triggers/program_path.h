#pragma once
// The program a trigger runs, as it is written into the trigger: a file
// chosen on the client becomes the server path for the types the runtime
// starts on the server.

#include <optional>
#include <string>
#include <string_view>

#include "tessellar/mapping/path_mapper.h"

namespace triggers {

// Types 1, 3 and 5 run on the server.
bool RunsOnServer(int programType);

// The wizard's and the definition dialog's Browse: for the server types the
// one client/server rule of every route (mapping::ResolvePath toward the
// server): a path a stored mapping covers becomes its server form; one no
// mapping covers asks once, and a Cancel keeps the path as chosen. Any other
// type keeps the path as chosen.
std::string ServerFormOfProgram(std::string_view clientPath, int programType, mapping::PathMapper& mapper);

}  // namespace triggers
