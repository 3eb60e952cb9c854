#include "promptsweep/tests/run_tool.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <stdexcept>

#include "tools/opimage/image.h"

namespace promptsweep::testing {

namespace {
constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;
}  // namespace

ToolRun RunTool(const std::vector<std::string>& arguments, const RunSettings& settings) {
    char outputName[] = "/tmp/promptsweep-output-XXXXXX";
    const int outputFile = mkstemp(outputName);
    if (outputFile < 0) throw std::runtime_error("mkstemp");
    char errorsName[] = "/tmp/promptsweep-errors-XXXXXX";
    const int errorsFile = mkstemp(errorsName);
    if (errorsFile < 0) throw std::runtime_error("mkstemp");

    std::vector<std::string> argv{PROMPTSWEEP_BINARY};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> pointers;
    for (std::string& argument : argv) pointers.push_back(argument.data());
    pointers.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        dup2(outputFile, STDOUT_FILENO);
        dup2(errorsFile, STDERR_FILENO);
        if (!settings.workingDirectory.empty() && chdir(settings.workingDirectory.c_str()) != 0) _exit(126);
        if (settings.unprivileged && geteuid() == 0) {
            if (setgroups(0, nullptr) != 0 || setgid(kNoGroup) != 0 || setuid(kNobody) != 0) _exit(125);
        }
        // The alarm outlives the exec and ends the tool, not the test.
        if (settings.timeoutSeconds > 0) alarm(settings.timeoutSeconds);
        execv(pointers[0], pointers.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    close(outputFile);
    close(errorsFile);
    ToolRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.output = ReadText(outputName);
    run.errors = ReadText(errorsName);
    unlink(outputName);
    unlink(errorsName);
    return run;
}

bool CanTestPermissions() {
    if (geteuid() != 0) return true;
    static const bool canSwitch = [] {
        const ToolRun run = RunTool({}, RunSettings{.workingDirectory = {}, .unprivileged = true});
        return run.status == 1 && run.output.find("Usage: ") != std::string::npos;
    }();
    return canSwitch;
}

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string Masked(const std::string& text) {
    static const std::regex byUserOnTime(
        "by .* on [A-Z][a-z][a-z] [A-Z][a-z][a-z] [ 0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9] [0-9]+");
    return std::regex_replace(text, byUserOnTime, "by USER on TIME");
}

void WriteProgram(const opimage::Program& program, const std::filesystem::path& path) {
    std::filesystem::create_directories(path.parent_path());
    std::string error;
    if (!opimage::WriteFile(program, path, error)) throw std::runtime_error(error);
}

void OpenTree(const std::filesystem::path& root) {
    namespace fs = std::filesystem;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const bool directory = entry.is_directory() && !entry.is_symlink();
        if (entry.is_symlink()) continue;
        fs::permissions(entry.path(), directory ? fs::perms::all
                                                : fs::perms::owner_read | fs::perms::owner_write |
                                                      fs::perms::group_read | fs::perms::group_write |
                                                      fs::perms::others_read | fs::perms::others_write);
    }
}

OpenScratch::OpenScratch() {
    std::string pattern = (std::filesystem::temp_directory_path() / "promptsweep-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp");
    path_ = pattern;
    std::filesystem::permissions(path_, std::filesystem::perms::all);
}

OpenScratch::~OpenScratch() {
    std::error_code ignored;
    // Give back write permission wherever a test took it away.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
    }
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace promptsweep::testing
