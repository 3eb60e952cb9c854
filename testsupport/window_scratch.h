#pragma once
// A scratch directory with settings of its own, where a window test starts
// the real main window as a user starts it: the program's own path and its
// temporary files inside the directory, its messages to the test's sink.
// The directory and the settings go when the test's fixture drops it. The
// window is active, and has shown what starting said, when Start returns.

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/shell/main_frame.h"
#include "tessellar/shell/start_up.h"
#include "tessellar/settings/qt/registry.h"

namespace testsupport {

class WindowScratch {
public:
    WindowScratch() : registry_(settings::RegistryLocations::InDirectory(directory_.path())) {
        QDir().mkpath(Path(QStringLiteral("temp")));
    }

    QString Root() const { return directory_.path(); }
    QString Path(const QString& name) const { return directory_.filePath(name); }
    settings::Registry& Registry() { return registry_; }

    // words: the command line after the program name, as the user types it.
    std::unique_ptr<shell::CMainFrame> Start(const QStringList& words, platform::MessageSink& sink) {
        std::vector<std::string> arguments;
        for (const QString& word : words) arguments.push_back(QFile::encodeName(word).toStdString());
        shell::StartUpOptions options;
        options.executablePath = Path(QStringLiteral("tessellar"));
        options.temporaryRoot = Path(QStringLiteral("temp"));
        options.messages = &sink;
        std::unique_ptr<shell::CMainFrame> window = shell::StartUp(arguments, registry_, options);
        // Tests type and click at once: the window must be the active one first.
        if (window != nullptr && window->isVisible()) {
            window->activateWindow();
            if (!QTest::qWaitForWindowActive(window.get())) qWarning("the main window did not become active");
        }
        // What starting said comes once the window is on the screen.
        if (window != nullptr && !QTest::qWaitFor([&window] { return !window->MessagesHeld(); }, 5000)) {
            qWarning("the start-up messages were not shown");
        }
        return window;
    }

private:
    QTemporaryDir directory_;
    settings::Registry registry_;
};

}  // namespace testsupport
