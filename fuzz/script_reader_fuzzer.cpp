// Reads arbitrary bytes as an scfedit script: every line is read into a
// step or stopped with a problem, never a crash or a hang.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "tools/scfedit/script_runner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in(input);
    std::ostringstream errors;
    std::vector<scfedit::ScriptStep> steps;
    const bool read = scfedit::ReadScript(in, "fuzz", steps, errors);
    // A script that is refused says where; one that is read says nothing.
    if (read != errors.str().empty()) std::abort();
    for (const scfedit::ScriptStep& step : steps) {
        if (step.verb == scfedit::Verb::Undo && step.count < 0) std::abort();
    }
    return 0;
}
