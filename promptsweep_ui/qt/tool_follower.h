#pragma once
// Runs the batch tool as a separate process and follows the console copy it
// writes, on timers so the window stays responsive: a start-up wait of at
// most ten rounds with a dot each, then the copy's new lines as they
// arrive, until the process has ended; then the finishing lines with three
// dots a round apart. A round is a second; tests make it shorter.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <memory>

#include "promptsweep_ui/console_progress.h"

class QProcess;

namespace sweepui {

struct ToolStart {
    QString toolPath;
    QStringList arguments;
    QString consoleCopyPath;
    QString startDirectory;  // as given to the tool, to count its programs
    bool visible = false;    // debug mode: the tool's own output is shown
};

class ToolFollower : public QObject {
    Q_OBJECT
public:
    explicit ToolFollower(std::chrono::milliseconds round, QObject* parent = nullptr);
    ~ToolFollower() override;

    // Starts the tool; false when its file does not exist (nothing started).
    bool Start(const ToolStart& start);
    // From the start until the finishing steps have been handed over.
    bool Following() const { return following_; }
    bool ToolRunning() const;
    // Sets the cancel flag and stops the tool, which skips the finishing
    // steps and the log.
    void Cancel();

signals:
    // Text for the results box, with the system's "\r\n" line ends.
    void Output(const QString& text);
    void ProgressChanged(int programs);
    // The console copy never came or could not be read.
    void FailedToStart();
    // Once per run. finishedWalk: the tool said "Process Finished".
    void Finished(bool cancelled, bool finishedWalk);

private:
    void StartupRound();
    void FollowRound();
    void ClosingRound();
    bool ReadNewLines(bool toTheEnd);
    void Fail();
    void End();

    std::chrono::milliseconds round_;
    QTimer timer_;
    std::unique_ptr<QProcess> process_;
    ToolStart start_;
    std::unique_ptr<ConsoleProgress> progress_;
    enum class Phase { Idle, StartupWait, Following, Closing } phase_ = Phase::Idle;
    int rounds_ = 0;
    qint64 shown_ = 0;  // bytes of the console copy already shown
    bool cancelled_ = false;
    bool following_ = false;
};

}  // namespace sweepui
