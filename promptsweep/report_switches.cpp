#include "promptsweep/report_switches.h"

#include "promptsweep/texts.h"

namespace promptsweep {

namespace {

// Where options begin: after -R FIND REPLACE or -L LIST. Any other switch
// is a usage error, whose arguments are left alone.
std::size_t FirstOption(const std::vector<std::string>& arguments) {
    if (arguments.size() < 3) return arguments.size();
    const std::string& switchWord = arguments[2];
    if (switchWord == "-R" || switchWord == "-r") return 5;
    if (switchWord == "-L" || switchWord == "-l") return 4;
    return arguments.size();
}

}  // namespace

ReportSwitches TakeReportSwitches(const std::vector<std::string>& arguments) {
    ReportSwitches switches;
    if (arguments.size() == 2 && arguments[1] == texts::kHelpSwitch) {
        switches.help = true;
        return switches;
    }
    const std::string jsonSwitch = texts::kJsonSwitch;
    const std::string jsonPrefix = jsonSwitch + "=";
    const std::size_t first = FirstOption(arguments);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (i < first) {
            switches.partArguments.push_back(argument);
        } else if (argument == texts::kDiffSwitch) {
            switches.diff = true;
        } else if (argument == jsonSwitch) {
            if (i + 1 < arguments.size()) {
                switches.jsonFile = arguments[++i];
            } else {
                switches.jsonWithoutFile = true;
            }
        } else if (argument.starts_with(jsonPrefix) && argument.size() > jsonPrefix.size()) {
            switches.jsonFile = argument.substr(jsonPrefix.size());
        } else {
            switches.partArguments.push_back(argument);
        }
    }
    return switches;
}

}  // namespace promptsweep
