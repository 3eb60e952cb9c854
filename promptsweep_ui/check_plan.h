#pragma once
// "Check the override files" after a run that wrote them: the checker's
// arguments for the run's choices. The checker walks the programs below the
// start directory (-R) and looks for each one's override file where the run
// put it: beside the program, else in the output directory (-l), or, for a
// mirrored tree, in the output directory's folders that hold override files.

#include <string>
#include <vector>

#include "promptsweep_ui/form_options.h"

namespace sweepui {

std::vector<std::string> CheckArguments(const FormOptions& options);

// What the checker's exit status says, for the results window's heading.
std::string CheckSummary(int exitStatus, std::size_t findingCount);

}  // namespace sweepui
