// scfcheck: tells, before the runtime meets them, which statements of a
// program's override file no longer apply and which screens they spoil.

#include <iostream>
#include <optional>
#include <string>

#include "platform/command_options.h"
#include "tools/scfcheck/check_run.h"
#include "tools/scfcheck/usage_text.h"

#ifndef TESSELLAR_VERSION
#define TESSELLAR_VERSION "0"
#endif

int main(int argc, char** argv) {
    static_assert(scfcheck::kTrouble == platform::kUsageStatus);
    scfcheck::RunOptions options;
    platform::CommandOptions arguments(argc, argv, "scfcheck", scfcheck::kUsage, std::cerr);
    while (arguments.Next()) {
        if (arguments.Is("--help") || arguments.Is("-h")) {
            std::cout << scfcheck::kUsage;
            return scfcheck::kClean;
        }
        if (arguments.Is("--version")) {
            std::cout << "scfcheck " << TESSELLAR_VERSION << '\n';
            return scfcheck::kClean;
        }
        if (arguments.Is("--json")) {
            options.format = scfcheck::OutputFormat::Json;
            continue;
        }
        if (arguments.Is("--fix") || arguments.Is("--likely") || arguments.Is("--diff")) {
            options.fix = options.fix || arguments.Is("--fix");
            options.likely = options.likely || arguments.Is("--likely");
            options.diff = options.diff || arguments.Is("--diff");
            continue;
        }
        if (arguments.Is("-m") || arguments.Is("-l") || arguments.Is("-R")) {
            const std::optional<std::string> value = arguments.TakeValue();
            if (!value) return arguments.MissingValue();
            if (arguments.Is("-m")) options.overrideFile = *value;
            if (arguments.Is("-l")) options.overrideDirectories = *value;
            if (arguments.Is("-R")) {
                if (!options.tree.empty()) return arguments.UsageError("more than one directory given");
                options.tree = *value;
            }
            continue;
        }
        if (arguments.IsOption()) return arguments.UnknownOption();
        if (!options.program.empty()) return arguments.UsageError("more than one program given");
        options.program = arguments.Argument();
    }
    if (options.program.empty() && options.tree.empty()) return arguments.UsageError("no program given");
    if (!options.program.empty() && !options.tree.empty()) {
        return arguments.UsageError("a program and -R exclude each other");
    }
    if (options.overrideFile && !options.tree.empty()) {
        return arguments.UsageError("-m names one program's override file; -R checks each program with its own");
    }
    if (options.likely && !options.fix && !options.diff) {
        return arguments.UsageError("--likely adds to --fix or --diff");
    }
    return scfcheck::Run(options, std::cout, std::cerr);
}
