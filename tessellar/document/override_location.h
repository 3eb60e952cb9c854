#pragma once
// Where a program's override file is looked for when the program is opened:
// the "-m" file, else a directory from "-l" or the machine's "SCFPATH" value
// (the user picks one when it holds a list), else a file the user chooses.
// The dialogs are callbacks, so the rules run without a window.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace document {

// The program's file name without its directory, with what follows its last
// "." replaced by "scf" (".scf" appended when the name has no ".").
std::string OverrideFileName(std::string_view programPath);
// The same replacement on a whole path; dots in directory names stay.
std::string WithOverrideExtension(std::string_view path);

// Where a directory value came from decides which characters make it a list:
// ";", "," and ":" on the command line, ";" and "," in the registry.
enum class DirectorySource { CommandLine, Registry };
bool IsDirectoryList(std::string_view value, DirectorySource source);
// The value split at its list characters; empty pieces are dropped.
std::vector<std::string> SplitDirectoryList(std::string_view value, DirectorySource source);

// directory + "/" + file name, without a second separator when the directory
// already ends in "/" or "\".
std::string OverridePathIn(std::string_view directory, std::string_view fileName);

struct OverrideLocationInputs {
    std::string programPath;
    std::string overridePath;                 // "-m"
    std::string overrideDirectories;          // "-l"
    std::optional<std::string> registryPath;  // "SCFPATH"; none when the key or value is missing
};

struct OverrideLocationPrompts {
    // "Tessellar File Path": one of the listed directories, none on Cancel.
    std::function<std::optional<std::string>(const std::vector<std::string>&)> chooseDirectory;
    // "Open a Tessellar File": an existing file, none on Cancel.
    std::function<std::optional<std::string>()> chooseFile;
};

// The override file path, or none when the user cancelled the file dialog
// (the program then stays open without an override file).
std::optional<std::string> LocateOverrideFile(const OverrideLocationInputs& inputs,
                                              const OverrideLocationPrompts& prompts);

}  // namespace document
