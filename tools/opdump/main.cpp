// opdump: shows what the customiser sees in a compiled program.

#include <iostream>
#include <optional>
#include <string>

#include "platform/command_options.h"
#include "platform/diagnostic_sink.h"
#include "tessellar/program/image/program_loader.h"
#include "tessellar/program/screen_decoder.h"
#include "tools/opdump/decoded_entry.h"
#include "tools/opdump/directory_listing.h"
#include "tools/opdump/override_report.h"

#ifndef TESSELLAR_VERSION
#define TESSELLAR_VERSION "0"
#endif

namespace {

constexpr const char* kTool = "opdump";

constexpr const char* kUsage =
    "Usage: opdump PROGRAM\n"
    "       opdump PROGRAM -s NAME [-c MODES] [--scf FILE]\n"
    "       opdump PROGRAM --all [-c MODES]\n"
    "\n"
    "Without options, lists the screens, data grids, procedures and menus of a\n"
    "compiled program page by page, as the customiser's program browser shows them.\n"
    "\n"
    "With -s or --all, decodes entries as the customiser does and prints each one:\n"
    "its frame, origin, title, mode line and review area; every entry field,\n"
    "display, option, box, mode and confirm prompt with the key an override\n"
    "statement names it by, its compiled coordinate, its position relative to the\n"
    "screen origin, width, texts, picture, attributes, colours and flags; then the\n"
    "field lists and the message texts.\n"
    "\n"
    "Options:\n"
    "  -s NAME      decode the screen, menu or procedure named NAME (exact case)\n"
    "  --all        decode every listed entry, in directory order\n"
    "  --scf FILE   with -s: apply the entry's section of the override file FILE,\n"
    "               then list what its statements changed and the items they added\n"
    "  -c MODES     the mode order for the screen named with -s: its mode line shows\n"
    "               these comma-separated modes, as the customiser's -c option does\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "\n"
    "Problems are reported as 'opdump: PATH: message'.\n"
    "Exit status: 0 on success, 1 when the program cannot be loaded or has no\n"
    "entry of that name, 2 on bad usage.\n";

struct Arguments {
    std::string program;
    std::optional<std::string> screen;
    std::optional<std::string> modeOrder;
    std::optional<std::string> overrideFile;
    bool all = false;
};

int NoEntryNamed(const Arguments& arguments) {
    std::cerr << platform::DiagnosticLine(kTool, arguments.program,
                                          "no screen, menu or procedure named '" + *arguments.screen + "'");
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    platform::CommandOptions options(argc, argv, kTool, kUsage, std::cerr);
    while (options.Next()) {
        if (options.Is("--help") || options.Is("-h")) {
            std::cout << kUsage;
            return 0;
        }
        if (options.Is("--version")) {
            std::cout << "opdump " << TESSELLAR_VERSION << '\n';
            return 0;
        }
        if (options.Is("-s") || options.Is("-c") || options.Is("--scf")) {
            std::optional<std::string> value = options.TakeValue();
            if (!value) return options.MissingValue();
            (options.Is("-s") ? arguments.screen : options.Is("-c") ? arguments.modeOrder : arguments.overrideFile) =
                std::move(value);
            continue;
        }
        if (options.Is("--all")) {
            arguments.all = true;
            continue;
        }
        if (options.IsOption()) return options.UnknownOption();
        if (!arguments.program.empty()) return options.UsageError("more than one program given");
        arguments.program = options.Argument();
    }
    if (arguments.program.empty()) {
        std::cerr << kUsage;
        return platform::kUsageStatus;
    }
    if (arguments.all && arguments.screen) return options.UsageError("-s and --all exclude each other");
    if (arguments.modeOrder && !arguments.screen) return options.UsageError("-c needs -s NAME");
    if (arguments.overrideFile && !arguments.screen) return options.UsageError("--scf needs -s NAME");

    // The loader's and the decoder's messages all concern the program.
    platform::DiagnosticSink sink(std::cerr, kTool, arguments.program);
    const auto image = program::LoadProgram(arguments.program, sink);
    if (!image) return 1;
    if (!arguments.screen && !arguments.all) {
        opdump::WriteDirectoryListing(*image, std::cout, sink);
        return 0;
    }

    program::DecodeInputs inputs;
    if (arguments.modeOrder) inputs.modeOrder = program::ApplicationModeOrder{*arguments.screen, *arguments.modeOrder};
    if (arguments.all) {
        opdump::WriteAllEntries(*image, std::cout, sink, inputs);
        return 0;
    }
    if (arguments.overrideFile) {
        const opdump::OverrideReport report = opdump::WriteEntriesWithOverrides(
            *image, *arguments.screen, *arguments.overrideFile, std::cout, sink, inputs);
        if (report.entries == 0) return NoEntryNamed(arguments);
        if (!report.overrideFileRead) {
            std::cerr << platform::DiagnosticLine(kTool, *arguments.overrideFile, "cannot be read");
            return 1;
        }
        return 0;
    }
    if (opdump::WriteEntriesNamed(*image, *arguments.screen, std::cout, sink, inputs) == 0) {
        return NoEntryNamed(arguments);
    }
    return 0;
}
