// scfedit: customises a compiled program's screens from a script.

#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/document/document.h"
#include "tools/scfedit/script_runner.h"
#include "tools/scfedit/usage_text.h"

#ifndef TESSELLAR_VERSION
#define TESSELLAR_VERSION "0"
#endif

namespace {

int Usage(const std::string& problem) {
    std::cerr << "scfedit: " << problem << "\n" << scfedit::kUsage;
    return scfedit::kScriptError;
}

struct Arguments {
    std::string program;
    std::optional<std::string> overrideFile;
    std::optional<std::string> modes;
    std::optional<std::string> script;
};

}  // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::cout << scfedit::kUsage;
            return 0;
        }
        if (argument == "--version") {
            std::cout << "scfedit " << TESSELLAR_VERSION << '\n';
            return 0;
        }
        if (argument == "-m" || argument == "-c") {
            if (i + 1 >= argc) return Usage("option '" + argument + "' needs a value");
            (argument == "-m" ? arguments.overrideFile : arguments.modes) = argv[++i];
            continue;
        }
        if (argument.size() > 1 && argument[0] == '-') return Usage("unknown option '" + argument + "'");
        if (arguments.program.empty()) arguments.program = argument;
        else if (!arguments.script) arguments.script = argument;
        else return Usage("more than one script given");
    }
    if (arguments.program.empty()) return Usage("no program given");

    std::vector<scfedit::ScriptStep> steps;
    scfedit::RunOptions options;
    options.scriptName = arguments.script && *arguments.script != "-" ? *arguments.script : "-";
    if (arguments.modes) {
        options.modeOrder = *arguments.modes;
        options.modeOrderGiven = true;
    }
    if (options.scriptName != "-") {
        std::ifstream script(options.scriptName, std::ios::binary);
        if (!script) {
            std::cerr << "scfedit: " << options.scriptName << ": cannot be read\n";
            return scfedit::kScriptError;
        }
        if (!scfedit::ReadScript(script, options.scriptName, steps, std::cerr)) return scfedit::kScriptError;
    } else if (!scfedit::ReadScript(std::cin, options.scriptName, steps, std::cerr)) {
        return scfedit::kScriptError;
    }

    platform::StreamMessageSink sink(std::cout, std::cerr);
    document::Document document;
    if (!document.LoadProgram(arguments.program, sink)) return scfedit::kSaveFailed;
    const std::string overridePath =
        arguments.overrideFile ? *arguments.overrideFile : document::WithOverrideExtension(arguments.program);
    if (document.OpenOverrideFile(overridePath, sink) == overrides::OpenResult::CopyFailed) {
        std::cerr << "scfedit: " << overridePath << ": cannot be read\n";
        return scfedit::kSaveFailed;
    }
    const int status = scfedit::RunScript(document, steps, options, std::cout, std::cerr);
    document.Close(sink);
    return status;
}
