#pragma once
// Turning the main window's choices into the batch tool's command line: the
// output directory made when it is missing, the options in their fixed
// order, and the line itself.

#include <string>
#include <vector>

#include "promptsweep_ui/form_options.h"

namespace sweepui {

struct RunPlan {
    std::string refusal;  // when not empty the run stops with this message
    std::string toolPath;
    // The command line as the user reads it in debug mode: start directory,
    // " -L " and the list file, a blank and the options (double blanks
    // between options are normal).
    std::string commandLine;
    // The same words as the tool receives them, so a path with blanks stays
    // one argument.
    std::vector<std::string> arguments;
    std::string consoleCopyPath;
};

// The options text and its words, in their fixed order.
struct ToolOptions {
    std::string text;
    std::vector<std::string> words;
};
ToolOptions BuildOptions(const FormOptions& options, const std::string& startDirectory,
                         const std::string& outputDirectory);

// listFile: the list file just saved; toolPath: the tool that was found
// (empty when none was).
RunPlan PlanRun(const FormOptions& options, const std::string& listFile, const std::string& toolPath);

// Preview: the form's run in report-only mode with "--diff", without "-v"
// (nothing follows its console copy). Beside the programs, the report-only
// run gets no output directory, so that it looks for the override files
// where OK would write them.
RunPlan PlanPreview(FormOptions options, const std::string& listFile, const std::string& toolPath);

}  // namespace sweepui
