#pragma once
// Launches a trigger through a program of the user's choice instead of the
// runtime's automation server: the five arguments become its command line,
// the window stays live while it runs, and its exit status and first lines
// of output are reported.

#include <QString>

#include "tessellar/triggers/trigger_test.h"

namespace triggers {

class RuntimeLauncher : public RuntimeAutomation {
public:
    explicit RuntimeLauncher(QString program, int timeoutMs = 60000);
    LaunchOutcome Launch(const LaunchRequest& request) override;

private:
    QString program_;
    int timeoutMs_;
};

}  // namespace triggers
