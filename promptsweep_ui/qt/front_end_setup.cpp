#include "promptsweep_ui/qt/front_end_setup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/qt/path_text.h"
#include "promptsweep_ui/qt/window_text.h"
#include "promptsweep_ui/start_up.h"
#include "promptsweep_ui/ui_texts.h"

namespace sweepui {

FrontEndSetup FrontEndSetup::ForProgram(settings::RegistryAccess& registry, bool debug) {
    FrontEndSetup setup;
    setup.programDirectory = QCoreApplication::applicationDirPath();
    const QString dataDirectory = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString listDirectory =
        platform::QStringFromPath(ListFileDirectory(platform::PathFromQString(setup.programDirectory), platform::PathFromQString(dataDirectory)));
    QDir().mkpath(listDirectory);
    setup.listFile = QDir(listDirectory).filePath(QString::fromLatin1(texts::kListFileName));
    setup.settingsFile = QDir::current().filePath(QString::fromLatin1(texts::kSettingsFileName));
    setup.registry = &registry;
    setup.debug = debug;
    return setup;
}

QString LocateTool(const QString& programDirectory) { return LocateProgram(programDirectory, texts::kToolName); }

QString LocateProgram(const QString& programDirectory, const char* programName) {
    const QString name = QString::fromLatin1(programName);
    const QString beside = QDir(programDirectory).filePath(name);
    const QFileInfo file(beside);
    if (file.isFile() && file.isExecutable()) return beside;
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? beside : onPath;
}

}  // namespace sweepui
