#pragma once
// The choices of the main window that the settings file keeps, and the file
// itself: six plain lines, no sections (start directory, output directory,
// output location index 0-2, then "1"/"0" for exclude sub-directories,
// override and report only).

#include <string>
#include <string_view>

namespace sweepui {

// Where the override files go: beside the programs, in a mirror of the tree
// under the output directory, or all in the output directory.
enum class OutputLocation { ProgramDirectory = 0, Structure = 1, AllInOne = 2 };

struct FormOptions {
    std::string startDirectory{};   // as typed
    std::string outputDirectory{};  // as typed
    OutputLocation location = OutputLocation::ProgramDirectory;
    bool excludeSubDirectories = false;
    bool overridePrevious = false;
    bool reportOnly = false;

    bool operator==(const FormOptions&) const = default;
};

// A missing file gives the defaults; lines that do not fit leave theirs.
FormOptions ReadSettingsFile(const std::string& path);
// Replaces the file in one rename; false (the old file kept) on any failure.
bool WriteSettingsFile(const std::string& path, const FormOptions& options);

// Blanks and tabs removed from both ends.
std::string Trimmed(std::string_view text);

}  // namespace sweepui
