#include "platform/scratch_faults.h"

#include <cerrno>
#include <system_error>

namespace platform {

namespace {

thread_local IoFaults* inForce = nullptr;

}  // namespace

ScratchFaultScope::ScratchFaultScope(IoFaults& faults) : previous_(inForce) { inForce = &faults; }

ScratchFaultScope::~ScratchFaultScope() { inForce = previous_; }

IoFaults* ScratchFaults() { return inForce; }

bool ScratchStep() {
    if (inForce == nullptr || inForce->Step()) return true;
    errno = EIO;
    return false;
}

std::string SystemReason() {
    const int code = errno != 0 ? errno : EIO;
    return std::generic_category().message(code);
}

}  // namespace platform
