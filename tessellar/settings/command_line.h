#pragma once
// The customiser's command line: the program to open, then options each
// followed by one blank-free word ("-n" by a host name and a mapping list).
// Everything up to the first " -" is the program path, so a path may hold
// blanks.

#include <string>
#include <string_view>
#include <vector>

namespace settings {

struct CommandLine {
    std::string programPath;          // up to 512 characters
    std::string screenName;           // "-s": the screen to select first, up to 79
    std::string overridePath;         // "-m": the override file to use
    std::string overrideDirectories;  // "-l": a directory or a list of them
    std::string modes;                // "-c": replaces the "-s" screen's mode list
    bool modesGiven = false;
    std::string shareMappings;        // "-n": host name, blank, mapping list
};

// Parses the words after the program name, as the shell split them.
CommandLine ParseCommandLine(const std::vector<std::string>& words);
// Parses the command line as one text.
CommandLine ParseCommandLineText(std::string_view text);

// A path as the "Could not open file" message shows it: with "/" throughout
// when it begins with "/", else with "\" throughout.
std::string PathForMessage(std::string_view path);

}  // namespace settings
