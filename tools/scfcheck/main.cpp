// scfcheck: tells, before the runtime meets them, which statements of a
// program's override file no longer apply and which screens they spoil.

#include <iostream>
#include <string>

#include "tools/scfcheck/check_run.h"
#include "tools/scfcheck/usage_text.h"

#ifndef TESSELLAR_VERSION
#define TESSELLAR_VERSION "0"
#endif

namespace {

int Usage(const std::string& problem) {
    std::cerr << "scfcheck: " << problem << "\n" << scfcheck::kUsage;
    return scfcheck::kTrouble;
}

}  // namespace

int main(int argc, char** argv) {
    scfcheck::RunOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::cout << scfcheck::kUsage;
            return scfcheck::kClean;
        }
        if (argument == "--version") {
            std::cout << "scfcheck " << TESSELLAR_VERSION << '\n';
            return scfcheck::kClean;
        }
        if (argument == "--json") {
            options.format = scfcheck::OutputFormat::Json;
            continue;
        }
        if (argument == "-m" || argument == "-l" || argument == "-R") {
            if (i + 1 >= argc) return Usage("option '" + argument + "' needs a value");
            const std::string value = argv[++i];
            if (argument == "-m") options.overrideFile = value;
            if (argument == "-l") options.overrideDirectories = value;
            if (argument == "-R") {
                if (!options.tree.empty()) return Usage("more than one directory given");
                options.tree = value;
            }
            continue;
        }
        if (argument.size() > 1 && argument[0] == '-') return Usage("unknown option '" + argument + "'");
        if (!options.program.empty()) return Usage("more than one program given");
        options.program = argument;
    }
    if (options.program.empty() && options.tree.empty()) return Usage("no program given");
    if (!options.program.empty() && !options.tree.empty()) return Usage("a program and -R exclude each other");
    if (options.overrideFile && !options.tree.empty()) {
        return Usage("-m names one program's override file; -R checks each program with its own");
    }
    return scfcheck::Run(options, std::cout, std::cerr);
}
