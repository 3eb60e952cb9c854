// tessellar: the screen customiser. "--render" draws entries into pictures
// without a window; the customiser's main window is started otherwise.

#include <QApplication>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "tessellar/app/render_command.h"
#include "tessellar/shell/qt/registry.h"
#include "tessellar/shell/settings/settings_loader.h"

#ifndef TESSELLAR_VERSION
#define TESSELLAR_VERSION "0"
#endif

namespace {

constexpr const char* kUsage =
    "Usage: tessellar --render PROGRAM -s NAME [--scf FILE] [--highlight] -o OUT.png\n"
    "       tessellar --render PROGRAM --all DIR [--scf FILE] [--highlight]\n"
    "       tessellar --help | --version\n";

int Render(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 2; i < argc; ++i) arguments.emplace_back(argv[i]);
    std::string problem;
    const auto request = app::ParseRenderArguments(arguments, problem);
    if (!request) {
        std::cerr << "tessellar: " << problem << '\n' << app::kRenderUsage;
        return 2;
    }
    // Pictures need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const shell::Registry registry;
    app::RenderSettings settings;
    settings.font = shell::LoadScreenFont(registry);
    settings.scheme = shell::LoadColourScheme(registry);
    return app::RunRender(*request, settings, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--render") return Render(argc, argv);
    if (first == "--help" || first == "-h") {
        std::cout << kUsage << '\n' << app::kRenderUsage;
        return 0;
    }
    if (first == "--version") {
        std::cout << "tessellar " << TESSELLAR_VERSION << '\n';
        return 0;
    }
    std::cerr << "tessellar: the customiser's window is not built yet; --render draws screens\n" << kUsage;
    return 2;
}
