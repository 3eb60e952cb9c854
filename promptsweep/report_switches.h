#pragma once
// The report switches, which the tool's original command line never had:
// --diff, --json FILE (also --json=FILE) and --help. They are taken out of
// the arguments before the rest are read, so everything else keeps its
// meaning exactly. They count only after the switch's own operands (-R's
// two strings, -L's list file), so a find string, replace string or list
// file of that name stays one; --help counts only as the one argument.

#include <optional>
#include <string>
#include <vector>

namespace promptsweep {

struct ReportSwitches {
    bool diff = false;
    bool help = false;
    std::optional<std::string> jsonFile;
    bool jsonWithoutFile = false;  // "--json" as the last argument
    std::vector<std::string> partArguments;  // the arguments without them
};

ReportSwitches TakeReportSwitches(const std::vector<std::string>& arguments);

}  // namespace promptsweep
