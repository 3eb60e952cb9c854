// opimage: writes a compiled program image from a text description, or a
// synthetic program of a given size for benchmarks.
//
// Exit status: 0 written, 1 the description or the output failed, 2 usage.

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "platform/diagnostic_sink.h"
#include "tools/opimage/description.h"
#include "tools/opimage/image.h"
#include "tools/opimage/synthetic_program.h"

namespace {

constexpr const char* kTool = "opimage";

constexpr const char* kUsage =
    "usage: opimage DESCRIPTION -o OUTPUT\n"
    "       opimage --generate ENTRIES -o OUTPUT\n";

int Usage(const std::string& problem) {
    std::cerr << kTool << ": " << problem << "\n" << kUsage;
    return 2;
}

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
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "-h" || argument == "--help") {
            std::cout << kUsage;
            return 0;
        }
        if (argument == "-o" || argument == "--generate") {
            if (i + 1 >= argc) return Usage(argument + " needs a value");
            const std::string value = argv[++i];
            if (argument == "-o") {
                arguments.output = value;
            } else if (!ParseCount(value, arguments.generate)) {
                return Usage("--generate needs a number of entries, not '" + value + "'");
            }
        } else if (!argument.empty() && argument[0] == '-') {
            return Usage("unknown option " + argument);
        } else if (arguments.description.empty()) {
            arguments.description = argument;
        } else {
            return Usage("more than one description given");
        }
    }
    if (arguments.output.empty()) return Usage("no output file given (-o)");
    if (arguments.description.empty() == (arguments.generate < 0)) {
        return Usage("give either a description or --generate");
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
