// opimage: writes a compiled program image from a text description, or a
// synthetic program of a given size for benchmarks.
//
// Exit status: 0 written, 1 the description or the output failed, 2 usage.

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "platform/command_options.h"
#include "platform/diagnostic_sink.h"
#include "tools/opimage/description.h"
#include "tools/opimage/image.h"
#include "tools/opimage/synthetic_program.h"

namespace {

constexpr const char* kTool = "opimage";

constexpr const char* kUsage =
    "usage: opimage DESCRIPTION -o OUTPUT\n"
    "       opimage --generate ENTRIES -o OUTPUT\n";

struct Arguments {
    std::string description;
    std::string output;
    int generate = -1;
};

bool ParseCount(const std::string& text, int& count) {
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), count);
    return status == std::errc() && end == text.data() + text.size() && count >= 0;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    platform::CommandOptions options(argc, argv, kTool, kUsage, std::cerr);
    while (options.Next()) {
        if (options.Is("-h") || options.Is("--help")) {
            std::cout << kUsage;
            return 0;
        }
        if (options.Is("-o") || options.Is("--generate")) {
            const std::optional<std::string> value = options.TakeValue();
            if (!value) return options.MissingValue();
            if (options.Is("-o")) {
                arguments.output = *value;
            } else if (!ParseCount(*value, arguments.generate)) {
                return options.UsageError("--generate needs a number of entries, not '" + *value + "'");
            }
        } else if (options.IsOption()) {
            return options.UnknownOption();
        } else if (arguments.description.empty()) {
            arguments.description = options.Argument();
        } else {
            return options.UsageError("more than one description given");
        }
    }
    if (arguments.output.empty()) return options.UsageError("no output file given (-o)");
    if (arguments.description.empty() == (arguments.generate < 0)) {
        return options.UsageError("give either a description or --generate");
    }

    opimage::Program program;
    if (arguments.generate >= 0) {
        program = opimage::SyntheticProgram(arguments.generate);
    } else {
        std::ifstream in(arguments.description, std::ios::binary);
        if (!in) {
            std::cerr << platform::DiagnosticLine(kTool, arguments.description, "cannot open the description");
            return 1;
        }
        std::ostringstream text;
        text << in.rdbuf();
        opimage::DescriptionError error;
        std::optional<opimage::Program> parsed = opimage::ParseDescription(text.str(), error);
        if (!parsed) {
            const std::string where = arguments.description + ":" + std::to_string(error.line);
            std::cerr << platform::DiagnosticLine(kTool, where, error.message);
            return 1;
        }
        program = std::move(*parsed);
    }
    std::string error;
    if (!opimage::WriteFile(program, arguments.output, error)) {
        std::cerr << platform::DiagnosticLine(kTool, arguments.output, error);
        return 1;
    }
    return 0;
}
