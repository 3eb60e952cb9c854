// promptsweep_ui: the batch tool's window. "-debug" anywhere on the command
// line shows the tool's command line for confirmation and lets its output
// through.

#include <QApplication>

#include "promptsweep_ui/qt/front_end_setup.h"
#include "platform/qt/path_text.h"
#include "promptsweep_ui/qt/main_window.h"
#include "promptsweep_ui/qt/window_text.h"
#include "promptsweep_ui/start_up.h"
#include "tessellar/settings/qt/registry.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("ORVALE"));
    QCoreApplication::setApplicationName(QStringLiteral("promptsweep_ui"));

    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments().mid(1)) {
        arguments.push_back(platform::PathFromQString(argument));
    }
    settings::Registry registry;
    sweepui::MainWindow window(sweepui::FrontEndSetup::ForProgram(registry, sweepui::HasDebugWord(arguments)));
    window.show();
    return application.exec();
}
