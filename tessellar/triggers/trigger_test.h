#pragma once
// What the trigger test decides without a window: its parameter rows, the
// program type letter, the text of values passed to the runtime, the saved
// test values in the registry, and the texts of a failed launch.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tessellar/settings/registry_access.h"

namespace triggers {

inline constexpr std::size_t kTestRowLimit = 10;
inline constexpr std::size_t kTestTextLength = 79;
inline constexpr std::string_view kTestValuesKey = "SOFTWARE\\ORVALE\\TESSELLAR\\Trigger\\Parameters";
inline constexpr std::string_view kTriggerKey = "SOFTWARE\\ORVALE\\TESSELLAR\\Trigger";
inline constexpr std::string_view kRuntimeLauncherValue = "RuntimeLauncher";
inline constexpr std::string_view kTriggerRuntimeProgram = "sys/m8trigger";

struct TestRow {
    std::string token;
    std::string value;
    // Literal parameters are passed as written and take no value.
    bool literal = false;
};

// At most ten rows from the parameters line, each with its saved value.
std::vector<TestRow> TestRows(const settings::RegistryAccess& registry, std::string_view parametersLine,
                              std::string_view parameterKey);
// "S" for types 0 and 2, "C" for 1 and 3, "P" for 4, else empty.
std::string ProgramTypeLetter(int programTypeIndex);
// The text one row passes: a token in double quotes or apostrophes its own
// text unquoted, a field parameter its value, likewise unquoted when quoted.
std::string RowText(const TestRow& row);
// The rows' texts joined with "|".
std::string LaunchValues(const std::vector<TestRow>& rows);
// Replaces the point's saved values with the rows' non-empty field values;
// false after the registry's error text went to `errorText`.
bool SaveTestValues(settings::RegistryAccess& registry, std::string_view parameterKey,
                    const std::vector<TestRow>& rows, std::string* errorText);
std::string TestValuesKey(std::string_view parameterKey);

// The five arguments of the runtime's call, in order.
struct LaunchRequest {
    std::string dataDirectory;
    std::string runtimeProgram{kTriggerRuntimeProgram};
    std::string typeLetter;
    std::string program;
    std::string values;
};

enum class LaunchFailure { None, NotCreated, Automation, Exception, Miscellaneous };

struct LaunchOutcome {
    LaunchFailure failure = LaunchFailure::None;
    std::int64_t code = 0;        // the automation error code
    std::string systemText;       // the system's text for the code, if any
    std::string exceptionText;    // the exception's message
    std::string report;           // shown after a successful launch, if any
};

// The runtime's automation server as the trigger test uses it.
class RuntimeAutomation {
public:
    virtual ~RuntimeAutomation() = default;
    virtual LaunchOutcome Launch(const LaunchRequest& request) = 0;
};

// A build without the runtime: the object cannot be created.
class UnavailableRuntime : public RuntimeAutomation {
public:
    LaunchOutcome Launch(const LaunchRequest& request) override;
};

// The message a failed launch shows; empty when nothing is shown.
std::string LaunchFailureText(const LaunchOutcome& outcome);

}  // namespace triggers
