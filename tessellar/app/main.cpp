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
#include "tessellar/app/report_command.h"
#include "tessellar/app/report_pictures.h"
#include "tessellar/settings/registry_keys.h"
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
    "       tessellar --report OUTDIR PROGRAM [--scf FILE] [--since OLD.scf] [-l DIRECTORIES]\n"
    "       tessellar --report OUTDIR -R DIRECTORY [-l DIRECTORIES]\n"
    "       tessellar --help | --version\n"
    "       tessellar [PROGRAM] [-s SCREEN] [-m OVERRIDE-FILE] [-l DIRECTORIES] [-c MODES] [-n HOST MAPPINGS]\n";

app::RenderSettings LoadRenderSettings(const settings::Registry& registry) {
    app::RenderSettings settings;
    settings.font = settings::LoadScreenFont(registry);
    settings.scheme = settings::LoadColourScheme(registry);
    return settings;
}

// "--render" and "--report": pictures without a display.
template <typename Parse, typename Run>
int Headless(int argc, char** argv, Parse parse, const char* usage, Run run) {
    std::vector<std::string> arguments;
    for (int i = 2; i < argc; ++i) arguments.emplace_back(argv[i]);
    std::string problem;
    const auto request = parse(arguments, problem);
    if (!request) {
        std::cerr << "tessellar: " << problem << '\n' << usage;
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const settings::Registry registry;
    return run(*request, registry);
}

int Render(int argc, char** argv) {
    return Headless(argc, argv, app::ParseRenderArguments, app::kRenderUsage,
                    [](const app::RenderRequest& request, const settings::Registry& registry) {
                        return app::RunRender(request, LoadRenderSettings(registry), std::cout, std::cerr);
                    });
}

int Report(int argc, char** argv) {
    return Headless(argc, argv, app::ParseReportArguments, app::kReportUsage,
                    [](const app::ReportRequest& request, const settings::Registry& registry) {
                        const std::optional<std::string> scfPath = registry.ReadString(
                            settings::RegistryRoot::LocalMachine, settings::keys::kEnvironment, settings::keys::kScfPath);
                        return app::RunReport(request, LoadRenderSettings(registry), scfPath, std::cout, std::cerr);
                    });
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
    const app::RenderSettings pictureSettings = LoadRenderSettings(registry);
    options.reportPictures = [pictureSettings] { return app::MakeReportPictures(pictureSettings); };
    const std::unique_ptr<shell::CMainFrame> window = shell::StartUp(words, registry, options);
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--render") return Render(argc, argv);
    if (first == "--report") return Report(argc, argv);
    if (first == "--help" || first == "-h") {
        std::cout << kUsage << '\n' << app::kRenderUsage << '\n' << app::kReportUsage;
        return 0;
    }
    if (first == "--version") {
        std::cout << "tessellar " << TESSELLAR_VERSION << '\n';
        return 0;
    }
    return RunWindow(argc, argv);
}
