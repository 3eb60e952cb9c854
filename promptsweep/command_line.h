#pragma once
// The tool's command line: start directory, -R FIND REPLACE or -L LIST, then
// options -V, -X, -N and -O MODE [DIR], each accepted in either case.

#include <string>
#include <vector>

namespace promptsweep {

// Where override content goes.
enum OutputMode : int {
    kReportOnly = 0,           // nothing but the log, console copy and mirror directories
    kProgramDirectories = 1,   // beside each program
    kMirrorDirectories = 2,    // the program's directory mirrored under the output directory
    kAllInOutputDirectory = 3, // straight into the output directory
};

struct RunOptions {
    std::string startDirectory;
    std::string outputDirectory;  // the start directory unless -O gives one
    std::string listFileName;
    bool listMode = false;
    std::string findString;     // -R
    std::string replaceString;  // -R
    bool includeSubdirectories = true;
    bool verbose = false;
    bool leaveOldReplacements = true;
    int outputMode = kReportOnly;

    // Modes 0 and 2 or more check (and may create) the output directory.
    bool ChecksOutputDirectory() const { return outputMode == 0 || outputMode >= 2; }
    bool MirrorsDirectories() const { return outputMode == kReportOnly || outputMode == kMirrorDirectories; }
};

struct CommandLine {
    bool usageError = false;
    RunOptions options;
    std::string notes;  // the "NB:" lines, printed as they arise
};

// arguments[0] is the program's own name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The banner printed before the usage text and at the start of a verbose run.
std::string BannerText();
std::string UsageText(const std::string& programName);

}  // namespace promptsweep
