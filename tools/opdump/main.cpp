// opdump: shows what the customiser sees in a compiled program.

#include <cstring>
#include <iostream>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/program/image/program_loader.h"
#include "tools/opdump/directory_listing.h"

#ifndef TESSELLAR_VERSION
#define TESSELLAR_VERSION "0"
#endif

namespace {

constexpr const char* kUsage =
    "Usage: opdump PROGRAM\n"
    "\n"
    "Lists the screens, data grids, procedures and menus of a compiled program\n"
    "page by page, as the customiser's program browser shows them.\n"
    "\n"
    "Options:\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "\n"
    "Exit status: 0 on success, 1 when the program cannot be loaded, 2 on bad usage.\n";

}  // namespace

int main(int argc, char** argv) {
    std::string programPath;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (argument == "--version") {
            std::cout << "opdump " << TESSELLAR_VERSION << '\n';
            return 0;
        }
        if (!argument.empty() && argument[0] == '-') {
            std::cerr << "opdump: unknown option '" << argument << "'\n" << kUsage;
            return 2;
        }
        if (!programPath.empty()) {
            std::cerr << "opdump: more than one program given\n" << kUsage;
            return 2;
        }
        programPath = argument;
    }
    if (programPath.empty()) {
        std::cerr << kUsage;
        return 2;
    }

    platform::StreamMessageSink sink(std::cerr, std::cerr);
    const auto image = program::LoadProgram(programPath, sink);
    if (!image) return 1;
    opdump::WriteDirectoryListing(*image, std::cout, sink);
    return 0;
}
