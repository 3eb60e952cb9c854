#include "tessellar/shell/prompt_sweep_launch.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

#include "tessellar/shell/frame_texts.h"

namespace shell {

QString PromptSweepLauncher::Locate() const {
    const QString name = QString::fromLatin1(texts::kPromptSweepProgram);
    if (!besideDirectory_.isEmpty()) {
        const QString beside = QStandardPaths::findExecutable(name, {besideDirectory_});
        if (!beside.isEmpty()) return beside;
    }
    return QStandardPaths::findExecutable(name);
}

bool PromptSweepLauncher::Run(const std::function<bool()>& quitRequested, const std::function<void()>& onQuit) {
    const QString program = Locate();
    if (program.isEmpty() || running_) return false;
    // The process outlives the wait when the user quits during it, so it is
    // not a child of anything that is destroyed on the way out.
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(program, {});
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    running_ = true;
    constexpr int kPumpInterval = 100;
    while (!process->waitForFinished(kPumpInterval)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, kPumpInterval);
        if (quitRequested && quitRequested()) {
            running_ = false;
            if (onQuit) onQuit();
            return true;
        }
        if (process->state() == QProcess::NotRunning) break;
    }
    running_ = false;
    delete process;
    return true;
}

}  // namespace shell
