#pragma once
// A whole run of the batch tool: command line, set-up, the walk over the
// start directory, and the run log's header and summary.

#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "promptsweep/file_operations.h"

namespace promptsweep {

inline constexpr int kExitCompleted = 0;
inline constexpr int kExitFailed = 1;

// arguments[0] is the program's own name. Console output goes to `console`.
int RunSweep(const std::vector<std::string>& arguments, platform::MessageSink& console, FileOperations& files);

// The same with an error output apart: with --diff the diff goes to
// `console` and the run's console lines to `errors`, which also takes the
// report switches' own messages.
int RunSweep(const std::vector<std::string>& arguments, platform::MessageSink& console, platform::MessageSink& errors,
             FileOperations& files);

}  // namespace promptsweep
