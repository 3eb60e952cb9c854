#include "tessellar/triggers/qt/runtime_launcher.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace triggers {
namespace {

constexpr int kReportedLines = 5;

QString Latin(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

RuntimeLauncher::RuntimeLauncher(QString program, int timeoutMs) : program_(std::move(program)), timeoutMs_(timeoutMs) {}

LaunchOutcome RuntimeLauncher::Launch(const LaunchRequest& request) {
    LaunchOutcome outcome;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    process.start(program_, {Latin(request.dataDirectory), Latin(request.runtimeProgram), Latin(request.typeLetter),
                             Latin(request.program), Latin(request.values)});
    timer.start(timeoutMs_);
    // Waits in an event loop, so the window keeps painting.
    if (process.state() != QProcess::NotRunning) loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(2000);
        outcome.failure = LaunchFailure::Exception;
        outcome.exceptionText = "\n" + program_.toStdString() + " did not finish in time.";
        return outcome;
    }
    if (process.error() == QProcess::FailedToStart) {
        outcome.failure = LaunchFailure::Exception;
        outcome.exceptionText = "\n" + process.errorString().toStdString();
        return outcome;
    }
    QStringList lines = QString::fromLocal8Bit(process.readAll()).split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) lines.removeLast();
    if (lines.size() > kReportedLines) lines = lines.mid(0, kReportedLines);
    QString report = process.exitStatus() == QProcess::CrashExit
                         ? QStringLiteral("%1 crashed.").arg(program_)
                         : QStringLiteral("%1 ended with exit status %2.").arg(program_).arg(process.exitCode());
    if (!lines.isEmpty()) report += QStringLiteral("\n\n") + lines.join(QLatin1Char('\n'));
    outcome.report = report.toStdString();
    return outcome;
}

}  // namespace triggers
