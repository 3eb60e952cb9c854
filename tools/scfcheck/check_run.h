#pragma once
// One run of scfcheck: a program with its override file, or every program of
// a tree with each one's own. Findings go to the output; problems with the
// files themselves go to the error stream as "scfcheck: PATH: message".

#include <iosfwd>
#include <optional>
#include <string>

#include "tools/scfcheck/finding_output.h"

namespace scfcheck {

// Exit statuses.
inline constexpr int kClean = 0;
inline constexpr int kFound = 1;
inline constexpr int kTrouble = 2;  // bad usage, or a program or override file that cannot be read

struct RunOptions {
    std::string program;                      // one program...
    std::string tree;                         // ...or every program below a directory (-R)
    std::optional<std::string> overrideFile;  // -m
    std::string overrideDirectories;          // -l
    OutputFormat format = OutputFormat::Lines;
    bool fix = false;     // --fix: rewrite the override file with the certain fixes
    bool likely = false;  // --likely: the likely fixes too
    bool diff = false;    // --diff: print what the fixes would change, write nothing
};

// Where the program's override file is looked for: the -m file, else the
// first of the -l directories that holds the program's override file (the
// first directory when none does), else beside the program.
std::string OverridePathFor(const std::string& program, const RunOptions& options);

int Run(const RunOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace scfcheck
