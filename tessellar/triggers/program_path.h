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

// The server form of a chosen client file for the server types (a result
// beginning with "/" has its "\" turned into "/"); any other type keeps the
// path as chosen. Nothing when no mapping covers the file.
std::optional<std::string> ServerFormOfProgram(std::string_view clientPath, int programType,
                                               mapping::PathMapper& mapper);

}  // namespace triggers
