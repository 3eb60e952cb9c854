#pragma once
// The main window's checks: which buttons are enabled, what a failed check
// says, and where the run log of the current choices is.

#include <cstddef>
#include <string>
#include <vector>

#include "promptsweep_ui/form_options.h"
#include "promptsweep_ui/replacement_rows.h"

namespace sweepui {

struct ValidationOutcome {
    bool goEnabled = true;
    bool editEnabled = false;      // Edit and Delete: the list has rows
    std::string messages;          // every failed check's text and "\r\n"
    bool focusOutputDirectory = false;
    std::string runLogPath;        // empty when there is none
    bool viewLogEnabled = false;   // the run log exists
};

ValidationOutcome Validate(const FormOptions& options, std::size_t rowCount);
// The same for the list's rows: a pair holding a line end or a carriage
// return (one a list file brought in) stops the run here, not in the tool.
ValidationOutcome Validate(const FormOptions& options, const std::vector<ReplacementRow>& rows);

// The checks that leaving a text box runs alone: its text, or empty.
std::string StartDirectoryProblem(const FormOptions& options);
std::string OutputDirectoryProblem(const FormOptions& options);

// Where the tool writes its run log for these choices, or empty when that
// file does not exist. A report-only run with a filled output directory
// writes it there whatever the location, as the command line points the
// tool at that directory.
std::string RunLogPath(const FormOptions& options);

}  // namespace sweepui
