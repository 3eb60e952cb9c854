// scfedit: customises a compiled program's screens from a script.

#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "platform/command_options.h"
#include "platform/diagnostic_sink.h"
#include "platform/message_sink.h"
#include "tessellar/document/document.h"
#include "tools/scfedit/script_runner.h"
#include "tools/scfedit/usage_text.h"

#ifndef TESSELLAR_VERSION
#define TESSELLAR_VERSION "0"
#endif

namespace {

constexpr const char* kTool = "scfedit";

struct Arguments {
    std::string program;
    std::optional<std::string> overrideFile;
    std::optional<std::string> modes;
    std::optional<std::string> script;
    bool force = false;
    bool recover = false;
};

}  // namespace

int main(int argc, char** argv) {
    static_assert(scfedit::kScriptError == platform::kUsageStatus);
    Arguments arguments;
    platform::CommandOptions commandLine(argc, argv, kTool, scfedit::kUsage, std::cerr);
    while (commandLine.Next()) {
        if (commandLine.Is("--help") || commandLine.Is("-h")) {
            std::cout << scfedit::kUsage;
            return 0;
        }
        if (commandLine.Is("--version")) {
            std::cout << "scfedit " << TESSELLAR_VERSION << '\n';
            return 0;
        }
        if (commandLine.Is("-m") || commandLine.Is("-c")) {
            std::optional<std::string> value = commandLine.TakeValue();
            if (!value) return commandLine.MissingValue();
            (commandLine.Is("-m") ? arguments.overrideFile : arguments.modes) = std::move(value);
            continue;
        }
        if (commandLine.Is("--force") || commandLine.Is("--recover")) {
            (commandLine.Is("--force") ? arguments.force : arguments.recover) = true;
            continue;
        }
        if (commandLine.IsOption()) return commandLine.UnknownOption();
        if (arguments.program.empty()) arguments.program = commandLine.Argument();
        else if (!arguments.script) arguments.script = commandLine.Argument();
        else return commandLine.UsageError("more than one script given");
    }
    if (arguments.program.empty()) return commandLine.UsageError("no program given");

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
            std::cerr << platform::DiagnosticLine(kTool, options.scriptName, "cannot be read");
            return scfedit::kScriptError;
        }
        if (!scfedit::ReadScript(script, options.scriptName, steps, std::cerr)) return scfedit::kScriptError;
    } else if (!scfedit::ReadScript(std::cin, options.scriptName, steps, std::cerr)) {
        return scfedit::kScriptError;
    }

    platform::StreamMessageSink sink(std::cout, std::cerr);
    document::Document document;
    document.SetOverwriteChangesOnDisk(arguments.force);
    // A killed run's unsaved changes to this override file are taken back, and said so.
    if (arguments.recover) {
        document.SetRecovery([](const std::string& found) {
            std::cout << found << " Recovered.\n";
            return true;
        });
    }
    if (!document.LoadProgram(arguments.program, sink)) return scfedit::kSaveFailed;
    const std::string overridePath =
        arguments.overrideFile ? *arguments.overrideFile : document::WithOverrideExtension(arguments.program);
    // --force opens a file another customiser holds, as the window's Open Anyway does.
    document::Document::OpenAnyway openAnyway;
    if (arguments.force) openAnyway = [](const std::string&) { return true; };
    switch (document.OpenOverrideFile(overridePath, sink, openAnyway)) {
        case overrides::OpenResult::CopyFailed:
            std::cerr << platform::DiagnosticLine(kTool, overridePath, "cannot be read");
            return scfedit::kSaveFailed;
        case overrides::OpenResult::NotAnOverrideFile:
            std::cerr << platform::DiagnosticLine(kTool, overridePath,
                                                  "is not an override file; it is left as it is");
            return scfedit::kScriptError;
        default: break;
    }
    const int status = scfedit::RunScript(document, steps, options, std::cout, std::cerr);
    document.Close(sink);
    return status;
}
