#pragma once
// What "Launch Trigger" starts when it starts a program here: through the
// program named in "RuntimeLauncher", or, when none is named and the
// runtime's automation server is not there, the trigger's own program. The
// window only runs what these decide.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tessellar/mapping/path_mapper.h"
#include "tessellar/triggers/trigger_test.h"

namespace triggers {

// The variables a run finds besides Tessellar's own environment. The runtime
// sets none of them: they tell a trigger that it runs as a test, and what the
// runtime's call would have carried.
inline constexpr std::string_view kTestVariable = "TESSELLAR_TRIGGER_TEST";
inline constexpr std::string_view kDataDirectoryVariable = "TESSELLAR_DATA_DIRECTORY";
inline constexpr std::string_view kTypeLetterVariable = "TESSELLAR_TRIGGER_TYPE";
inline constexpr std::string_view kValuesVariable = "TESSELLAR_TRIGGER_VALUES";

// One program to start. Every text is in the bytes the program receives
// (file names and arguments alike), so the window converts them one way.
struct TriggerInvocation {
    std::string program;
    std::vector<std::string> arguments;
    std::string workingDirectory;  // empty: Tessellar's own
    std::vector<std::pair<std::string, std::string>> environment;  // set over Tessellar's own

    bool operator==(const TriggerInvocation&) const = default;
};

// The types whose trigger is a program: command (index 0), windows (1),
// command with status (2) and windows with status (3). ORVALE programs and
// data grid exports run only inside the runtime.
bool TypeIsAProgram(int programTypeIndex);
// The windows types name a program of the client's.
bool TypeRunsOnTheClient(int programTypeIndex);

// The "RuntimeLauncher" program with the runtime call's five arguments.
TriggerInvocation LauncherInvocation(std::string_view launcher, const LaunchRequest& request);

// The arguments the trigger's program gets: one per row in order, a literal
// without its quotes, a field parameter its test value (unquoted when it is
// quoted, an empty argument when it has none, so positions hold). No shell
// reads them: blanks, quotes and "$" pass as they are.
std::vector<std::string> TriggerArguments(const std::vector<TestRow>& rows);

// Either the trigger's own program to run, or the message that says why not.
struct DirectRun {
    std::optional<TriggerInvocation> invocation;
    std::string refusal;
};

// The trigger itself, run here. The program of a command type and the data
// directory follow the one client/server rule toward the client
// (mapping::ResolvePath: a path that names a file here is local, a server
// path a stored mapping covers is mapped, one none covers asks once); with no
// mapper they stay as given. A windows type runs only when its program is an
// executable file here (a bare name: one on PATH). The program runs in the
// data directory, which must exist here (empty: Tessellar's own), with PWD
// set to it and the TESSELLAR_* variables above (the data directory one
// holds the text as given, as the runtime's call has it). `request` and `rows` hold
// the bytes the program receives.
DirectRun PlanDirectRun(const LaunchRequest& request, const std::vector<TestRow>& rows, int programTypeIndex,
                        mapping::PathMapper* mapper);

// Whether a program is an executable file here: a path with a "/" itself, a
// bare name somewhere on `searchPath` (":"-separated, as PATH).
bool IsExecutableHere(const std::string& program, std::string_view searchPath);

// The invocation as one line a POSIX shell reads back to the same words:
// each word that holds anything but letters, digits and "%+,-./:=@_" in
// single quotes, an empty word as ''.
std::string CommandLineText(const TriggerInvocation& invocation);

}  // namespace triggers
