// The server form of a trigger's program.

#include "tessellar/triggers/program_path.h"

#include "tessellar/mapping/path_rule.h"

namespace triggers {

bool RunsOnServer(int programType) {
    return programType == 1 || programType == 3 || programType == 5;
}

std::string ServerFormOfProgram(std::string_view clientPath, int programType, mapping::PathMapper& mapper) {
    std::string path(clientPath);
    if (RunsOnServer(programType)) {
        mapping::ResolvePath(path, mapping::MappingDirection::ClientToServer, mapping::kUseTriggerProgram, mapper);
    }
    return path;
}

}  // namespace triggers
