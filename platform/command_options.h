#pragma once
// The argument walk every console tool shares: flags, flags with a value and
// operands, with its usage mistakes reported in one shape ("tool: problem",
// then the usage) and one exit status.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The exit status of a usage mistake.
inline constexpr int kUsageStatus = 2;

// The problem texts, for tools that report them their own way.
std::string MissingValueProblem(std::string_view flag);
std::string UnknownOptionProblem(std::string_view option);

class CommandOptions {
public:
    // `usage` follows every usage mistake on `errors`.
    CommandOptions(int argc, const char* const* argv, std::string tool, std::string usage, std::ostream& errors);

    // Moves to the next argument; false after the last.
    bool Next();
    const std::string& Argument() const { return argument_; }
    bool Is(std::string_view flag) const { return argument_ == flag; }
    // Starts with "-" and is not "-" alone (which names standard input):
    // a flag that no test before took is unknown.
    bool IsOption() const { return argument_.size() > 1 && argument_.front() == '-'; }
    // The argument after the current flag, taken; none when the flag is last.
    std::optional<std::string> TakeValue();

    // Each writes "tool: problem" and the usage, and returns kUsageStatus.
    int UsageError(std::string_view problem) const;
    int MissingValue() const { return UsageError(MissingValueProblem(argument_)); }
    int UnknownOption() const { return UsageError(UnknownOptionProblem(argument_)); }

private:
    std::vector<std::string> arguments_;
    std::size_t next_ = 0;
    std::string argument_;
    std::string tool_;
    std::string usage_;
    std::ostream& errors_;
};

}  // namespace platform
