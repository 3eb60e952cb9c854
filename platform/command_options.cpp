#include "platform/command_options.h"

#include <ostream>

#include "platform/diagnostic_sink.h"

namespace platform {

std::string MissingValueProblem(std::string_view flag) {
    std::string problem = "option '";
    problem.append(flag).append("' needs a value");
    return problem;
}

std::string UnknownOptionProblem(std::string_view option) {
    std::string problem = "unknown option '";
    problem.append(option).append("'");
    return problem;
}

CommandOptions::CommandOptions(int argc, const char* const* argv, std::string tool, std::string usage,
                               std::ostream& errors)
    : tool_(std::move(tool)), usage_(std::move(usage)), errors_(errors) {
    for (int i = 1; i < argc; ++i) arguments_.emplace_back(argv[i]);
}

bool CommandOptions::Next() {
    if (next_ >= arguments_.size()) return false;
    argument_ = arguments_[next_++];
    return true;
}

std::optional<std::string> CommandOptions::TakeValue() {
    if (next_ >= arguments_.size()) return std::nullopt;
    return arguments_[next_++];
}

int CommandOptions::UsageError(std::string_view problem) const {
    errors_ << UsageLine(tool_, problem) << usage_;
    errors_.flush();
    return kUsageStatus;
}

}  // namespace platform
