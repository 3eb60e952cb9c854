#pragma once
// The writes of the work folder (section work files, undo points, the work
// folder itself) are made deep inside commands, far from any caller that
// could hand them an IoFaults. A test puts one in force on its thread for a
// while instead, and every work folder write counts a step of it, so that a
// failure can be made at each of them in turn.

#include <string>

#include "platform/file_replace.h"

namespace platform {

// While it lives, the work folder writes of this thread take their steps
// from `faults`.
class ScratchFaultScope {
public:
    explicit ScratchFaultScope(IoFaults& faults);
    ~ScratchFaultScope();
    ScratchFaultScope(const ScratchFaultScope&) = delete;
    ScratchFaultScope& operator=(const ScratchFaultScope&) = delete;

private:
    IoFaults* previous_;
};

// The faults in force on this thread, or null.
IoFaults* ScratchFaults();

// Whether the next work folder write may go ahead: always, unless a scope's
// failing step is reached (errno is then EIO, as a failing disk gives).
bool ScratchStep();

// The system's reason for the last failed call (errno), as a user reads it.
std::string SystemReason();

}  // namespace platform
