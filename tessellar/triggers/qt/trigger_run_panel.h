#pragma once
// The run of a program that Launch Trigger started: what runs, whether it
// still runs or how it ended, and its output (standard output and error as
// they come) in a read-only view. The window stays live while it runs;
// "Stop" ends the program with everything it started.

#include <QGroupBox>
#include <QStringDecoder>

#include "tessellar/triggers/trigger_run.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProcess;
class QPushButton;
class QTimer;

namespace triggers {

class TriggerRunPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit TriggerRunPanel(QWidget* parent);
    // Ends a run still going, with everything it started.
    ~TriggerRunPanel() override;

    // Starts the invocation, in a process group of its own; one run at a time.
    void Start(const TriggerInvocation& invocation);
    bool Running() const;
    // Asks the run to end (SIGTERM to its group), and ends it (SIGKILL) if it
    // has not after a grace period.
    void Stop();

signals:
    void runningChanged(bool running);

private:
    void Append(const QByteArray& bytes);
    void Finished(int exitCode, int exitStatus);
    void FailedToStart();
    void Signal(int signal);
    void SetRunning(bool running);

    QLineEdit* command_ = nullptr;
    QLabel* status_ = nullptr;
    QPlainTextEdit* output_ = nullptr;
    QPushButton* stop_ = nullptr;
    QProcess* process_ = nullptr;
    QTimer* killTimer_ = nullptr;
    QStringDecoder decoder_;
    qint64 shownBytes_ = 0;
    bool cut_ = false;
    bool stopped_ = false;
};

}  // namespace triggers
