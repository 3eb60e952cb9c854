#include "promptsweep_ui/qt/log_viewer.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <filesystem>

#include "platform/qt/path_text.h"
#include "promptsweep_ui/qt/window_text.h"
#include "promptsweep_ui/ui_texts.h"
#include "tessellar/help/help_pages.h"

namespace sweepui {

namespace {

// The "EDIT" program as a path, or empty when it does not exist.
QString EditorProgram(const settings::RegistryAccess& registry) {
    const auto value = registry.ReadString(settings::RegistryRoot::LocalMachine, texts::kEnvironmentKey,
                                           texts::kEditorValue);
    if (!value) return {};
    const QString program = platform::QStringFromPath(*value).trimmed();
    if (program.isEmpty()) return {};
    const QFileInfo file(program);
    if (file.isAbsolute()) return file.isFile() && file.isExecutable() ? program : QString();
    return QStandardPaths::findExecutable(program);
}

// The desktop's handler for a document; the message of its failure, if any.
QString OpenDocument(const QString& path) {
    if (!QFileInfo::exists(path)) return Latin(texts::kFileNotFound);
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path))) return {};
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) return Latin(texts::kNoAssociation);
    return Latin(texts::kCannotRunAssociation) + QFileInfo(path).fileName();
}

}  // namespace

void OpenRunLog(QWidget* parent, const QString& logPath, const settings::RegistryAccess& registry) {
    if (logPath.isEmpty()) {
        ShowMessage(parent, Latin(texts::kNoLogPath));
        return;
    }
    if (!QFileInfo::exists(logPath)) {
        ShowMessage(parent, Latin(texts::kLogNotFound) + logPath);
        return;
    }
    const QString editor = EditorProgram(registry);
    if (!editor.isEmpty()) {
        if (!QProcess::startDetached(editor, {logPath})) {
            ShowMessage(parent, Latin(texts::kCannotRunAssociation) + QFileInfo(logPath).fileName());
        }
        return;
    }
    if (const QString problem = OpenDocument(logPath); !problem.isEmpty()) ShowMessage(parent, problem);
}

QString FindHelpIndex(const QString& programDirectory) {
    const std::filesystem::path directory = platform::PathFromQString(programDirectory);
    const auto help = help::FindHelpDirectory({(directory / "help").lexically_normal(),
                                                      (directory / "../share/promptsweep_ui/help").lexically_normal()});
    if (!help) return {};
    return platform::QStringFromPath((*help / help::kContentsPage).string());
}

void OpenHelp(QWidget* parent, const QString& programDirectory) {
    const QString index = FindHelpIndex(programDirectory);
    if (index.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(index))) {
        ShowMessage(parent, Latin(texts::kNoHelp));
    }
}

}  // namespace sweepui
