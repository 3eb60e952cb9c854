// tessellar: the screen customiser. "--render" draws entries into pictures
// without a window; otherwise the customiser's main window starts with the
// program, screen and override file the command line names.

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "tessellar/app/render_command.h"
#include "tessellar/shell/start_up.h"
#include "tessellar/settings/qt/registry.h"
#include "tessellar/settings/settings_loader.h"

#ifndef TESSELLAR_VERSION
#define TESSELLAR_VERSION "0"
#endif

namespace {

constexpr const char* kUsage =
    "Usage: tessellar --render PROGRAM -s NAME [--scf FILE] [--highlight] -o OUT.png\n"
    "       tessellar --render PROGRAM --all DIR [--scf FILE] [--highlight]\n"
    "       tessellar --help | --version\n"
    "       tessellar [PROGRAM] [-s SCREEN] [-m OVERRIDE-FILE] [-l DIRECTORIES] [-c MODES] [-n HOST MAPPINGS]\n";

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
    const settings::Registry registry;
    app::RenderSettings settings;
    settings.font = settings::LoadScreenFont(registry);
    settings.scheme = settings::LoadColourScheme(registry);
    return app::RunRender(*request, settings, std::cout, std::cerr);
}

int RunWindow(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::cerr << "tessellar: there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is "
                     "set); --render draws screens into pictures without one\n";
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessellar"));
    QApplication::setApplicationVersion(QStringLiteral(TESSELLAR_VERSION));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("preferences-desktop-theme")));
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) words.emplace_back(argv[i]);
    settings::Registry registry;
    shell::StartUpOptions options;
    options.executablePath = QCoreApplication::applicationFilePath();
    const std::unique_ptr<shell::CMainFrame> window = shell::StartUp(words, registry, options);
    return QApplication::exec();
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
    return RunWindow(argc, argv);
}
