#include "tessellar/triggers/qt/trigger_run_panel.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

#include "platform/qt/path_text.h"
#include "tessellar/triggers/trigger_texts.h"

namespace triggers {
namespace {

// More output than this is not kept: a program that writes without end must
// not fill the memory.
constexpr qint64 kOutputLimit = 1024 * 1024;
// How long a stopped program has to end on its own before it is killed.
constexpr int kStopGraceMs = 3000;
constexpr int kOutputLines = 10;
constexpr int kOutputColumns = 64;

QString Text(const std::string& bytes) { return platform::QStringFromPath(bytes); }

}  // namespace

TriggerRunPanel::TriggerRunPanel(QWidget* parent)
    : QGroupBox(QString::fromLatin1(texts::kRunCaption), parent), decoder_(QStringDecoder::System) {
    setObjectName(QStringLiteral("TriggerRun"));
    setAccessibleName(title());

    // One line that scrolls, so a long command keeps the layout and can be
    // copied whole.
    command_ = new QLineEdit(this);
    command_->setObjectName(QStringLiteral("RunCommand"));
    command_->setAccessibleName(QString::fromLatin1(texts::kRunCommand));
    command_->setReadOnly(true);
    command_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("RunStatus"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    stop_ = new QPushButton(QString::fromLatin1(texts::kStop), this);
    stop_->setObjectName(QStringLiteral("Stop"));
    stop_->setAccessibleName(QString::fromLatin1(texts::kStop).remove(QLatin1Char('&')));
    stop_->setAutoDefault(false);
    stop_->setEnabled(false);
    output_ = new QPlainTextEdit(this);
    output_->setObjectName(QStringLiteral("RunOutput"));
    output_->setAccessibleName(QString::fromLatin1(texts::kRunOutput));
    output_->setReadOnly(true);
    output_->setLineWrapMode(QPlainTextEdit::NoWrap);
    output_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const int margins = 2 * (output_->frameWidth() + static_cast<int>(output_->document()->documentMargin()));
    output_->setMinimumSize(output_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * kOutputColumns + margins,
                            output_->fontMetrics().lineSpacing() * kOutputLines + margins);

    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(status_, 1);
    statusRow->addWidget(stop_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(command_);
    layout->addLayout(statusRow);
    layout->addWidget(output_, 1);

    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::MergedChannels);
    process_->setStandardInputFile(QProcess::nullDevice());
    // A group of its own, so Stop ends what the trigger started too.
    process_->setChildProcessModifier([] { ::setpgid(0, 0); });
    killTimer_ = new QTimer(this);
    killTimer_->setSingleShot(true);
    killTimer_->setInterval(kStopGraceMs);

    connect(process_, &QProcess::readyReadStandardOutput, this,
            [this] { Append(process_->readAllStandardOutput()); });
    connect(process_, &QProcess::finished, this,
            [this](int exitCode, QProcess::ExitStatus exitStatus) { Finished(exitCode, exitStatus); });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) FailedToStart();
    });
    connect(killTimer_, &QTimer::timeout, this, [this] {
        if (Running()) Signal(SIGKILL);
    });
    connect(stop_, &QPushButton::clicked, this, [this] { Stop(); });
}

TriggerRunPanel::~TriggerRunPanel() {
    // Nothing may reach this panel's widgets while they go.
    process_->disconnect(this);
    if (Running()) {
        Signal(SIGKILL);
        process_->waitForFinished(1000);
    }
}

bool TriggerRunPanel::Running() const { return process_->state() != QProcess::NotRunning; }

void TriggerRunPanel::Start(const TriggerInvocation& invocation) {
    if (Running()) return;
    output_->clear();
    decoder_ = QStringDecoder(QStringDecoder::System);
    shownBytes_ = 0;
    cut_ = false;
    stopped_ = false;
    command_->setText(Text(CommandLineText(invocation)));
    command_->setCursorPosition(0);

    QStringList arguments;
    for (const std::string& argument : invocation.arguments) arguments.append(Text(argument));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : invocation.environment) environment.insert(Text(name), Text(value));
    process_->setProcessEnvironment(environment);
    process_->setWorkingDirectory(Text(invocation.workingDirectory));
    status_->setText(invocation.workingDirectory.empty()
                         ? QString::fromLatin1(texts::kRunning)
                         : QString::fromLatin1(texts::kRunningIn).arg(Text(invocation.workingDirectory)));
    show();
    SetRunning(true);
    process_->start(Text(invocation.program), arguments);
}

void TriggerRunPanel::Stop() {
    if (!Running()) return;
    stopped_ = true;
    Signal(SIGTERM);
    killTimer_->start();
}

void TriggerRunPanel::Signal(int signal) {
    // The program leads its own group (the child modifier above).
    const qint64 group = process_->processId();
    if (group > 0)
        ::kill(-static_cast<pid_t>(group), signal);
    else if (signal == SIGKILL)
        process_->kill();
    else
        process_->terminate();
}

void TriggerRunPanel::Append(const QByteArray& bytes) {
    if (cut_ || bytes.isEmpty()) return;
    QByteArray shown = bytes;
    if (shownBytes_ + shown.size() > kOutputLimit) {
        shown.truncate(kOutputLimit - shownBytes_);
        cut_ = true;
    }
    shownBytes_ += shown.size();
    QString text = decoder_.decode(shown);
    if (cut_) text += QString::fromLatin1(texts::kOutputCut).arg(kOutputLimit);
    output_->moveCursor(QTextCursor::End);
    output_->insertPlainText(text);
    output_->moveCursor(QTextCursor::End);
    output_->ensureCursorVisible();
}

void TriggerRunPanel::Finished(int exitCode, int exitStatus) {
    killTimer_->stop();
    Append(process_->readAllStandardOutput());
    if (stopped_)
        status_->setText(QString::fromLatin1(texts::kStopped));
    else if (exitStatus == QProcess::CrashExit)
        status_->setText(QString::fromLatin1(texts::kEndedBySignal));
    else
        status_->setText(QString::fromLatin1(texts::kExitStatus).arg(exitCode));
    SetRunning(false);
}

void TriggerRunPanel::FailedToStart() {
    status_->setText(QString::fromLatin1(texts::kNotStarted).arg(process_->errorString()));
    SetRunning(false);
}

void TriggerRunPanel::SetRunning(bool running) {
    stop_->setEnabled(running);
    emit runningChanged(running);
}

}  // namespace triggers
