#pragma once
// What the benchmarks over a generated tree of programs share: running one
// of the command-line tools as a user would (its wall time, peak memory,
// exit status and standard output), the median of samples, and the options
// every such benchmark takes.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace bench {

struct Measure {
    double seconds = 0;
    long peakKilobytes = 0;
    int status = -1;
    std::string output;
};

// Runs a command (looked up on PATH when it names no directory) with its
// standard output captured.
inline Measure RunCommand(const std::vector<std::string>& command) {
    char outputName[] = "/tmp/tessellar-bench-XXXXXX";
    const int output = mkstemp(outputName);
    std::vector<std::string> arguments = command;
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(output, STDOUT_FILENO);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Measure measure;
    measure.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    measure.peakKilobytes = usage.ru_maxrss;
    measure.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    close(output);
    std::ifstream in(outputName);
    measure.output.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    unlink(outputName);
    return measure;
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// --programs N, --samples N, --keep DIR (the tree is made there and kept).
struct TreeOptions {
    int programs = 10000;
    int samples = 5;
    std::filesystem::path root;
    bool keep = false;
};

inline TreeOptions ReadTreeOptions(int argc, char** argv, const char* treeName) {
    TreeOptions options;
    options.root = std::filesystem::temp_directory_path() / treeName;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--programs") options.programs = std::max(1, std::atoi(argv[i + 1]));
        if (option == "--samples") options.samples = std::max(1, std::atoi(argv[i + 1]));
        if (option == "--keep") {
            options.root = argv[i + 1];
            options.keep = true;
        }
    }
    return options;
}

}  // namespace bench
