#pragma once
// "&Prompt Sweep": starts the batch front end, looked up beside the
// customiser and then on the search path, and waits for it while the window
// stays alive: every 100 ms the wait gives way to pending events.

#include <QString>

#include <functional>

namespace shell {

class PromptSweepLauncher {
public:
    explicit PromptSweepLauncher(QString besideDirectory) : besideDirectory_(std::move(besideDirectory)) {}

    // The front end's path, or empty when it is nowhere to be found.
    QString Locate() const;
    bool Running() const { return running_; }

    // Starts the front end and returns when it has ended, or at once when it
    // cannot be started (false). quitRequested is asked at every pump; when
    // it says yes, onQuit runs and the wait ends with the front end left open.
    bool Run(const std::function<bool()>& quitRequested, const std::function<void()>& onQuit);

private:
    QString besideDirectory_;
    bool running_ = false;
};

}  // namespace shell
