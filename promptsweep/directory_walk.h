#pragma once
// The walk over the start directory: every "*.op6" program of a directory in
// name order, then its sub-directories, each with its mirror directory under
// the output directory where the output mode asks for one.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "promptsweep/command_line.h"
#include "promptsweep/file_operations.h"
#include "promptsweep/run_output.h"

namespace promptsweep {

// Passes when the directory exists and is writable, or did not exist and
// could be created (one level); otherwise prints why and fails.
bool CheckDirectory(const std::string& directory, RunOutput& output);

// True for names that the pattern "*.op6" matches (case-insensitively, as
// the pattern matches on the file systems the programs come from).
bool IsProgramName(const std::string& name);

struct ProgramFound {
    std::string path;              // directory, separator, name
    std::string fileName;
    std::string outputLocation;    // where its override file goes
    bool regularFile = true;       // false: a FIFO, a device or a directory of that name
};

class DirectoryWalk {
public:
    using Visitor = std::function<void(const ProgramFound&)>;
    DirectoryWalk(const RunOptions& options, RunOutput& output, Visitor visitor);

    void Run();

private:
    void Walk(const std::string& directory, const std::string& relative);
    struct ProgramEntry {
        std::string name;
        bool regularFile = true;
        bool operator<(const ProgramEntry& other) const { return name < other.name; }
    };
    struct Listing {
        std::vector<ProgramEntry> programs;
        std::vector<std::string> subdirectories;
    };
    Listing List(const std::string& directory) const;
    bool EntersLoop(const std::string& directory);
    // A directory link that leads out of the start directory is not walked;
    // the verbose output and the run log say so.
    bool LeadsOutside(const std::string& subdirectory);
    // The mirror directory, unless reaching it (or making it) goes through a
    // link out of the start and output directories: then the output
    // directory, as for a mirror that cannot be made.
    std::string MirrorFor(const std::string& mirrored);
    std::string OutputLocation(const std::string& directory) const;
    void Note(const std::string& text);

    const RunOptions& options_;
    RunOutput& output_;
    Visitor visitor_;
    std::string mirror_;
    std::vector<DirectoryIdentity> descent_;
    std::optional<DirectoryIdentity> outputIdentity_;
    std::vector<std::string> startRoot_;     // resolved
    std::vector<std::string> writableRoots_;  // the start and output directories, resolved
};

}  // namespace promptsweep
