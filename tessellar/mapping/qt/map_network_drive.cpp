#include "tessellar/mapping/qt/map_network_drive.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "platform/qt/cp1252_text.h"
#include "tessellar/mapping/mapping_texts.h"

namespace mapping {

QAction* CreateMapNetworkDriveAction(QObject* parent) {
    auto* action = new QAction(platform::QStringFromCp1252(texts::kMapNetworkDriveCommand), parent);
    const QStringList prompt = platform::QStringFromCp1252(texts::kMapNetworkDrivePrompt).split(u'\n');
    action->setStatusTip(prompt.value(0));
    action->setToolTip(prompt.value(1));
    QObject::connect(action, &QAction::triggered, [] { OpenMapNetworkDrive(); });
    return action;
}

QString ConnectToServerProgram() {
#ifdef Q_OS_WIN
    return {};
#else
    return QStandardPaths::findExecutable(QStringLiteral("knetattach"));
#endif
}

bool OpenMapNetworkDrive() {
#ifdef Q_OS_WIN
    return QProcess::startDetached(QStringLiteral("rundll32.exe"), {QStringLiteral("shell32.dll,SHHelpShortcuts_RunDLL"),
                                                                   QStringLiteral("Connect")});
#else
    const QString program = ConnectToServerProgram();
    if (!program.isEmpty() && QProcess::startDetached(program, {})) return true;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::homePath()));
#endif
}

}  // namespace mapping
