#include "tessellar/shell/screen_file_editor.h"

#include <QEventLoop>

#include <functional>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include "platform/message_format.h"
#include "tessellar/shell/frame_texts.h"
#include "tessellar/shell/text_editor_window.h"
#include "tessellar/settings/registry_keys.h"

namespace shell {
namespace {

constexpr int kPumpInterval = 100;  // ms between looks at the editor

// Waits in a local event loop until done() says so, looking every 100 ms.
void WaitUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(kPumpInterval);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    poll.start();
    if (!done()) loop.exec();
}

}  // namespace

QStringList ScreenFileEditor::EditorCommand() const {
    std::optional<std::string> configured;
    for (const char* key : {settings::keys::kEnvironment, settings::keys::kEnvironmentAsFrontEndSpellsIt}) {
        configured = registry_.ReadString(settings::RegistryRoot::LocalMachine, key, settings::keys::kEditor);
        if (configured && !configured->empty()) break;
    }
    if (configured && !configured->empty()) {
        // A path with blanks that names a program is one word; else a command line.
        const QString value = QString::fromLocal8Bit(configured->c_str()).trimmed();
        if (QFileInfo(value).isFile()) return {value};
        const QStringList words = QProcess::splitCommand(value);
        if (!words.isEmpty()) return words;
    }
    const QString visual = qEnvironmentVariable(texts::kVisualVariable).trimmed();
    return visual.isEmpty() ? QStringList() : QProcess::splitCommand(visual);
}

void ScreenFileEditor::EditAndWait(const QString& path, QWidget* owner, platform::MessageSink& sink) {
    if (editing_) return;
    editing_ = true;
    const QStringList command = EditorCommand();
    if (command.isEmpty()) {
        RunBuiltIn(path, owner);
    } else {
        RunExternal(command, path, sink);
    }
    editing_ = false;
}

void ScreenFileEditor::RunExternal(const QStringList& command, const QString& path, platform::MessageSink& sink) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(command.first(), command.mid(1) << path);
    if (!process.waitForStarted()) {
        sink.ShowMessage(platform::FormatText(texts::kEditorNotStarted, command.first().toLocal8Bit().constData()));
        return;
    }
    WaitUntil([&process] { return process.state() == QProcess::NotRunning; });
}

void ScreenFileEditor::RunBuiltIn(const QString& path, QWidget* owner) {
    window_ = new TextEditorWindow(path, owner);
    window_->show();
    window_->raise();
    window_->activateWindow();
    WaitUntil([this] { return window_.isNull() || !window_->isVisible(); });
    if (window_) window_->deleteLater();
}

}  // namespace shell
