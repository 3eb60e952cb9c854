#include "promptsweep/command_line.h"

#include <cstdlib>

#include "platform/message_format.h"
#include "platform/text_capacity.h"
#include "promptsweep/replacement_pair.h"
#include "promptsweep/texts.h"

namespace promptsweep {

using platform::FormatText;

namespace {

bool Is(const std::string& argument, const char* upper, const char* lower) {
    return argument == upper || argument == lower;
}

// Reads the output mode and maybe a directory after an "-O" at `at`. The
// arguments it reads are still compared with the option words themselves.
void ReadOutputMode(const std::vector<std::string>& arguments, std::size_t at, CommandLine& line) {
    if (at + 1 >= arguments.size()) {
        line.notes += texts::kNoteRequiresParameters;
        line.options.outputMode = kReportOnly;
        return;
    }
    const int mode = std::atoi(arguments[at + 1].c_str());
    line.options.outputMode = mode;
    if (mode != 0 && mode < 2) return;  // mode 1 and negative modes take no directory
    if (at + 2 >= arguments.size()) {
        line.notes += texts::kNoteAssumingStartDir;
        return;
    }
    const std::string& directory = arguments[at + 2];
    if (!directory.empty() && directory.front() == '-') return;
    line.options.outputDirectory = directory;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    if (arguments.size() < 4) {
        line.usageError = true;
        return line;
    }
    RunOptions& options = line.options;
    const std::string& switchWord = arguments[2];
    if (Is(switchWord, "-R", "-r")) {
        if (arguments.size() < 5) {
            line.usageError = true;
            return line;
        }
        options.findString = platform::CutText(arguments[3], kArgumentCapacity);
        options.replaceString = platform::CutText(arguments[4], kArgumentCapacity);
    } else if (Is(switchWord, "-L", "-l")) {
        options.listMode = true;
        options.listFileName = arguments[3];
    } else {
        line.usageError = true;
        return line;
    }
    options.startDirectory = arguments[1];
    options.outputDirectory = options.startDirectory;

    // Every argument from the third on is an option word wherever it stands,
    // also a find or replace string, a list name, a mode or a directory.
    for (std::size_t i = 3; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (Is(argument, "-N", "-n")) {
            options.leaveOldReplacements = false;
        } else if (Is(argument, "-V", "-v")) {
            options.verbose = true;
        } else if (Is(argument, "-X", "-x")) {
            options.includeSubdirectories = false;
        } else if (Is(argument, "-O", "-o")) {
            ReadOutputMode(arguments, i, line);
        }
    }
    return line;
}

std::string BannerText() { return FormatText(texts::kBanner, texts::kProgramTitle, texts::kVersion); }

std::string UsageText(const std::string& programName) {
    return FormatText(texts::kUsage, programName.c_str(), texts::kRunLogName);
}

}  // namespace promptsweep
