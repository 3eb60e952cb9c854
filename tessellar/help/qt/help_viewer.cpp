#include "tessellar/help/qt/help_viewer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QUrl>

#include <string>

#include "platform/qt/cp1252_text.h"
#include "platform/qt/path_text.h"
#include "tessellar/help/help_pages.h"
#include "tessellar/help/help_texts.h"

namespace help {

namespace {

QString PathText(const std::filesystem::path& path) {
    return QDir::toNativeSeparators(platform::QStringFromPath(path.string()));
}

// A message of the help texts with its "%s" replaced by a path text (paths
// are not code page 1252, so they join the message after its conversion).
QString MessageWith(const char* format, const QString& text) {
    return platform::QStringFromCp1252(format).replace(QStringLiteral("%s"), text);
}

void ShowHelpProblem(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, platform::QStringFromCp1252(help::texts::kHelpNotFoundTitle), text,
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("helpNotFound"));
    box.setAccessibleName(box.windowTitle());
    box.setAccessibleDescription(text);
    box.exec();
}

std::vector<std::filesystem::path> DefaultCandidates() {
    const std::filesystem::path executableDirectory = QCoreApplication::applicationDirPath().toStdString();
    return help::HelpDirectoryCandidates(executableDirectory, help::InstalledHelpDirectory());
}

void OpenPage(QWidget* parent, std::string_view page, const std::vector<std::filesystem::path>& candidates) {
    const auto file = help::LocateHelpPage(page, candidates);
    if (!file) {
        QStringList places;
        for (const auto& directory : candidates) places << PathText(directory);
        ShowHelpProblem(parent, MessageWith(help::texts::kHelpNotFound, places.join('\n')));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file->string())))) {
        ShowHelpProblem(parent, MessageWith(help::texts::kHelpNotOpened, PathText(*file)));
    }
}

}  // namespace

void ShowHelpPage(QWidget* parent, int contextNumber) {
    OpenPage(parent, help::PageForContext(contextNumber), DefaultCandidates());
}

void ShowHelpPageFrom(QWidget* parent, int contextNumber, const std::vector<std::filesystem::path>& directories) {
    OpenPage(parent, help::PageForContext(contextNumber), directories);
}

void ShowHelpTopic(QWidget* parent, std::string_view topic) {
    OpenPage(parent, help::PageForTopic(topic), DefaultCandidates());
}

}  // namespace help
