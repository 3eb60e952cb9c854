#pragma once
// Runs the real promptsweep binary and reads what it leaves behind.

#include <filesystem>
#include <string>
#include <vector>

#include "tools/opimage/program.h"

namespace promptsweep::testing {

struct ToolRun {
    int status = -1;
    std::string output;  // standard output
    std::string errors;  // standard error
};

struct RunSettings {
    std::filesystem::path workingDirectory;  // empty: the test's own
    // Run as an unprivileged user, so that permission bits bind even when
    // the tests run as root.
    bool unprivileged = false;
    // Ends a run that hangs (waiting on a FIFO, say) after this many
    // seconds; the status is then -1. 0: no limit.
    unsigned timeoutSeconds = 0;
};

// argument 0 (the program name) is added: pass the arguments after it.
ToolRun RunTool(const std::vector<std::string>& arguments, const RunSettings& settings = {});

// True when RunTool can make permission bits bind (not root, or root able
// to switch to an unprivileged user).
bool CanTestPermissions();

std::string ReadText(const std::filesystem::path& path);
void WriteText(const std::filesystem::path& path, const std::string& text);

// The user name and the time of "by USER on TIME" lines replaced by the
// words USER and TIME, so that files can be compared byte for byte.
std::string Masked(const std::string& text);

// Writes a program image; the directory is created when missing.
void WriteProgram(const opimage::Program& program, const std::filesystem::path& path);

// Lets everyone read and write every directory and file under root, so that
// an unprivileged run meets only the restrictions a test adds afterwards.
void OpenTree(const std::filesystem::path& root);

// A directory that the unprivileged user may write to, removed afterwards.
class OpenScratch {
public:
    OpenScratch();
    ~OpenScratch();
    OpenScratch(const OpenScratch&) = delete;
    OpenScratch& operator=(const OpenScratch&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

}  // namespace promptsweep::testing
