// The server form of a trigger's program.

#include "tessellar/triggers/program_path.h"

namespace triggers {

bool RunsOnServer(int programType) {
    return programType == 1 || programType == 3 || programType == 5;
}

std::string ServerFormOfProgram(std::string_view clientPath, int programType, mapping::PathMapper& mapper) {
    std::string path(clientPath);
    if (!RunsOnServer(programType)) return path;
    if (!mapper.MapToServer(path, mapping::kUseTriggerProgram)) return std::string(clientPath);
    // The mapper turns the separators already; a share-mapped result is
    // turned here too so the rule holds whichever table answered.
    if (!path.empty() && path.front() == '/') {
        for (char& c : path) {
            if (c == '\\') c = '/';
        }
    }
    return path;
}

}  // namespace triggers
