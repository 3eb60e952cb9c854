#include "promptsweep_ui/qt/tool_follower.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "platform/qt/path_text.h"
#include "promptsweep_ui/qt/window_text.h"
#include "promptsweep_ui/ui_texts.h"

namespace sweepui {

namespace {

constexpr int kStartupRounds = 10;
constexpr int kRoundsBeforeFollowing = 3;
constexpr int kClosingDots = 3;
// The console copy is read far more often than the start-up rounds tick.
constexpr std::chrono::milliseconds kFollowInterval{100};

}  // namespace

ToolFollower::ToolFollower(std::chrono::milliseconds round, QObject* parent) : QObject(parent), round_(round) {
    connect(&timer_, &QTimer::timeout, this, [this] {
        switch (phase_) {
        case Phase::StartupWait: StartupRound(); break;
        case Phase::Following: FollowRound(); break;
        case Phase::Closing: ClosingRound(); break;
        case Phase::Idle: timer_.stop(); break;
        }
    });
}

ToolFollower::~ToolFollower() {
    if (ToolRunning()) {
        process_->terminate();
        if (!process_->waitForFinished(2000)) process_->kill();
        process_->waitForFinished(1000);
    }
}

bool ToolFollower::ToolRunning() const { return process_ && process_->state() != QProcess::NotRunning; }

bool ToolFollower::Start(const ToolStart& start) {
    if (!QFileInfo::exists(start.toolPath)) return false;
    start_ = start;
    progress_ = std::make_unique<ConsoleProgress>(platform::PathFromQString(start.startDirectory));
    // A run that is still going on from an earlier start keeps its own process.
    if (ToolRunning()) process_.release()->setParent(this);
    process_ = std::make_unique<QProcess>();
    process_->setProgram(start.toolPath);
    process_->setArguments(start.arguments);
    if (start.visible) {
        process_->setProcessChannelMode(QProcess::ForwardedChannels);
    } else {
        process_->setStandardOutputFile(QProcess::nullDevice());
        process_->setStandardErrorFile(QProcess::nullDevice());
    }
    connect(process_.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart && phase_ == Phase::StartupWait) Fail();
    });
    cancelled_ = false;
    following_ = true;
    rounds_ = 0;
    shown_ = 0;
    phase_ = Phase::StartupWait;
    emit Output(Latin(texts::kStartingProcess) + Latin(texts::kLineEnd));
    process_->start();
    timer_.start(round_);
    return true;
}

void ToolFollower::Cancel() {
    cancelled_ = true;
    if (ToolRunning()) process_->terminate();
    if (following_) End();
}

void ToolFollower::StartupRound() {
    emit Output(Latin(texts::kStartupDot));
    ++rounds_;
    const bool copyExists = QFileInfo::exists(start_.consoleCopyPath);
    if (copyExists && rounds_ > kRoundsBeforeFollowing) {
        emit Output(Latin(texts::kLineEnd) + Latin(texts::kProcessStarted) + Latin(texts::kLineEnd) +
                    Latin(texts::kLineEnd));
        phase_ = Phase::Following;
        timer_.start(std::min(round_, kFollowInterval));
        FollowRound();
        return;
    }
    // A tool that has ended without a console copy will not write one.
    if (rounds_ > kStartupRounds || (!copyExists && !ToolRunning())) Fail();
}

void ToolFollower::FollowRound() {
    // Whether the tool has ended is taken before reading, so that the lines
    // it wrote last are read before the loop ends.
    const bool ended = !ToolRunning();
    if (!ReadNewLines(ended)) {
        Fail();
        return;
    }
    if (!ended) return;
    if (cancelled_) {
        End();
        return;
    }
    emit Output(Latin(texts::kProcessFinished) + Latin(texts::kLineEnd) + Latin(texts::kOpeningLog));
    phase_ = Phase::Closing;
    rounds_ = 0;
    timer_.start(round_);
}

void ToolFollower::ClosingRound() {
    emit Output(Latin(texts::kStartupDot));
    if (++rounds_ >= kClosingDots) End();
}

bool ToolFollower::ReadNewLines(bool toTheEnd) {
    QFile copy(start_.consoleCopyPath);
    if (!copy.open(QIODevice::ReadOnly)) return false;
    // A copy that became shorter was written anew: read it from the start.
    if (copy.size() < shown_) shown_ = 0;
    if (!copy.seek(shown_)) return false;
    const QByteArray fresh = copy.readAll();
    qsizetype used = 0;
    const int programsBefore = progress_->Programs();
    while (used < fresh.size()) {
        qsizetype end = fresh.indexOf('\n', used);
        if (end < 0) {
            if (!toTheEnd) break;  // the tool is still writing this line
            end = fresh.size();
        }
        QByteArray line = fresh.mid(used, end - used);
        if (line.endsWith('\r')) line.chop(1);
        used = end + 1;
        progress_->Take(std::string_view(line.constData(), static_cast<std::size_t>(line.size())));
        emit Output(FromConsoleBytes(line) + Latin(texts::kLineEnd));
    }
    shown_ += std::min(used, fresh.size());
    if (progress_->Programs() != programsBefore) emit ProgressChanged(progress_->Programs());
    return true;
}

void ToolFollower::Fail() {
    timer_.stop();
    phase_ = Phase::Idle;
    cancelled_ = true;
    emit FailedToStart();
    End();
}

void ToolFollower::End() {
    if (!following_) return;
    timer_.stop();
    phase_ = Phase::Idle;
    following_ = false;
    emit Finished(cancelled_, progress_ && progress_->FinishedSeen());
}

}  // namespace sweepui
