// What Launch Trigger starts here: the trigger's own program built from its
// run line and test values, which types run, where and with what; and the
// RuntimeLauncher's call.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tessellar/mapping/path_mapper.h"
#include "tessellar/settings/memory_registry.h"
#include "tessellar/settings/registry_keys.h"
#include "tessellar/triggers/run_line.h"
#include "tessellar/triggers/trigger_run.h"
#include "testsupport/scratch_directory.h"

namespace triggers {
namespace {

std::vector<TestRow> Rows(std::string_view parameters, std::vector<std::string> values) {
    std::vector<TestRow> rows;
    std::size_t next = 0;
    for (std::string& token : SplitParameters(parameters, kTestRowLimit)) {
        TestRow row{token, "", IsLiteralParameter(token)};
        if (!row.literal && next < values.size()) row.value = values[next++];
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string Executable(const testsupport::ScratchDirectory& scratch, const char* name) {
    const std::string path = scratch.Write(name, {'#', '!', '/', 'b', 'i', 'n', '/', 's', 'h', '\n'});
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

// Each row names the fault it would catch.
TEST(DirectRunTest, BuildsTheInvocationFromTheRunLineAndTestValues) {
    testsupport::ScratchDirectory scratch;
    const std::string here = scratch.Path().string();
    const std::string script = Executable(scratch, "t.sh");
    const std::string plain = scratch.Write("plain.txt", {'x'});
    std::filesystem::create_directory(scratch.Path() / "data");
    const std::string data = here + "/data";

    settings::MemoryRegistry registry;
    // A server directory that names nothing here, so the rule maps it.
    registry.WriteString(settings::RegistryRoot::LocalMachine, settings::keys::kMapping, "/tessellar-server", here);
    mapping::PathMapper mapper(registry, {});

    struct Row {
        const char* why;
        std::string program;
        int typeIndex;
        std::string parameters;
        std::vector<std::string> values;  // the field parameters' test values, in order
        std::string dataDirectory;
        std::optional<std::string> runs;  // the program started, or nothing when refused
        std::vector<std::string> arguments;
        std::string workingDirectory;
        std::string refusal;
    };
    const Row rows[] = {
        {"a field parameter passed its name instead of its test value", script, 0, "CUST NAME", {"42", "Smith"},
         "", script, {"42", "Smith"}, "", ""},
        {"a literal kept its quotes, or its blank split it in two", script, 2, "\"a b\" CUST", {"7"}, "", script,
         {"a b", "7"}, "", ""},
        {"a value with blanks was split by a shell", script, 0, "NAME", {"van der Berg"}, "", script,
         {"van der Berg"}, "", ""},
        {"a field without a value dropped out and shifted the rest", script, 0, "A B C", {"1", "", "3"}, "",
         script, {"1", "", "3"}, "", ""},
        {"a quoted value kept its quotes", script, 0, "A", {"'q r'"}, "", script, {"q r"}, "", ""},
        {"a value with a quote, a $ and a ; went through a shell", script, 0, "A", {"it's $HOME; x"}, "", script,
         {"it's $HOME; x"}, "", ""},
        {"the data directory was not the working directory", script, 0, "", {}, data, script, {}, data, ""},
        {"a server path a stored mapping covers was run as the server's", "/tessellar-server/t.sh", 0, "", {},
         "/tessellar-server/data",
         script, {}, data, ""},
        {"a windows type with an executable here was refused", script, 1, "A", {"x"}, "", script, {"x"}, "", ""},
        {"a windows type with a bare name on PATH was refused", "sh", 3, "", {}, "", "sh", {}, "", ""},
        {"a Windows program was started here", "C:\\apps\\calc.exe", 1, "", {}, "", std::nullopt, {}, "",
         "The trigger could not be tested: C:\\apps\\calc.exe is not a program this computer can run. A client "
         "program runs on the user's desktop; a program named in RuntimeLauncher can try it (see Help)."},
        {"a windows type with a file that is not executable was started", plain, 3, "", {}, "", std::nullopt, {},
         "", "The trigger could not be tested: " + plain +
                 " is not a program this computer can run. A client program runs on the user's desktop; a "
                 "program named in RuntimeLauncher can try it (see Help)."},
        {"an ORVALE program was started as a command", "sys/m8menu", 4, "", {}, "", std::nullopt, {}, "",
         "The trigger could not be tested: an ORVALE program or a data grid export runs only inside the 4GL "
         "runtime, whose automation server is not available here. A program named in RuntimeLauncher can try it "
         "(see Help)."},
        {"a data grid export was started as a command", script, 5, "", {}, "", std::nullopt, {}, "",
         "The trigger could not be tested: an ORVALE program or a data grid export runs only inside the 4GL "
         "runtime, whose automation server is not available here. A program named in RuntimeLauncher can try it "
         "(see Help)."},
        {"a data directory missing here failed only at the start", script, 0, "", {}, here + "/none",
         std::nullopt, {}, "", "The trigger could not be tested: the data directory " + here +
                                   "/none does not exist here."},
        {"a trigger without a program was started", "", 0, "", {}, "", std::nullopt, {}, "",
         "The trigger could not be tested: it names no program to run."},
    };
    for (const Row& row : rows) {
        LaunchRequest request;
        request.program = row.program;
        request.dataDirectory = row.dataDirectory;
        request.typeLetter = ProgramTypeLetter(row.typeIndex);
        const std::vector<TestRow> testRows = Rows(row.parameters, row.values);
        request.values = LaunchValues(testRows);
        const DirectRun run = PlanDirectRun(request, testRows, row.typeIndex, &mapper);
        ASSERT_EQ(run.invocation.has_value(), row.runs.has_value()) << row.why << ": " << run.refusal;
        EXPECT_EQ(run.refusal, row.refusal) << row.why;
        if (!run.invocation) continue;
        EXPECT_EQ(run.invocation->program, *row.runs) << row.why;
        EXPECT_EQ(run.invocation->arguments, row.arguments) << row.why;
        EXPECT_EQ(run.invocation->workingDirectory, row.workingDirectory) << row.why;
    }
}

// The variables a trigger finds: what the runtime's call would carry, and
// PWD where it runs.
TEST(DirectRunTest, SetsTheEnvironmentItDocuments) {
    testsupport::ScratchDirectory scratch;
    const std::string script = Executable(scratch, "t.sh");
    LaunchRequest request;
    request.program = script;
    request.dataDirectory = scratch.Path().string() + "/";
    request.typeLetter = "S";
    request.values = "a b|42";
    const DirectRun run = PlanDirectRun(request, Rows("\"a b\" CUST", {"42"}), 0, nullptr);
    ASSERT_TRUE(run.invocation);
    using Variables = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(run.invocation->environment, (Variables{{"PWD", scratch.Path().string()},
                                                      {"TESSELLAR_TRIGGER_TEST", "1"},
                                                      {"TESSELLAR_DATA_DIRECTORY", request.dataDirectory},
                                                      {"TESSELLAR_TRIGGER_TYPE", "S"},
                                                      {"TESSELLAR_TRIGGER_VALUES", "a b|42"}}));

    request.dataDirectory.clear();
    const DirectRun inherited = PlanDirectRun(request, {}, 0, nullptr);
    ASSERT_TRUE(inherited.invocation);
    EXPECT_EQ(inherited.invocation->workingDirectory, "") << "no data directory: Tessellar's own";
    EXPECT_EQ(inherited.invocation->environment.front().first, "TESSELLAR_TRIGGER_TEST") << "PWD is left as it is";
}

TEST(DirectRunTest, WhichTypesArePrograms) {
    const std::pair<int, bool> table[] = {{-1, false}, {0, true}, {1, true}, {2, true},
                                          {3, true},   {4, false}, {5, false}};
    for (auto [index, program] : table) EXPECT_EQ(TypeIsAProgram(index), program) << index;
}

TEST(DirectRunTest, ExecutableHereByPathOrOnTheSearchPath) {
    testsupport::ScratchDirectory scratch;
    Executable(scratch, "tool");
    const std::string dir = scratch.Path().string();
    EXPECT_TRUE(IsExecutableHere(dir + "/tool", ""));
    EXPECT_TRUE(IsExecutableHere("tool", "/nonexistent:" + dir));
    EXPECT_FALSE(IsExecutableHere("tool", "/nonexistent"));
    EXPECT_FALSE(IsExecutableHere(dir, dir)) << "a directory is no program";
    EXPECT_FALSE(IsExecutableHere("", dir));
}

TEST(LauncherInvocationTest, TheRuntimeCallsFiveArgumentsInOrder) {
    LaunchRequest request{"/data", "sys/m8trigger", "P", "my prog", "v 1|lit"};
    const TriggerInvocation invocation = LauncherInvocation("/opt/launch", request);
    EXPECT_EQ(invocation.program, "/opt/launch");
    EXPECT_EQ(invocation.arguments,
              (std::vector<std::string>{"/data", "sys/m8trigger", "P", "my prog", "v 1|lit"}));
    EXPECT_TRUE(invocation.workingDirectory.empty());
    EXPECT_TRUE(invocation.environment.empty());
}

TEST(CommandLineTextTest, QuotesWhatAShellWouldSplitOrExpand) {
    TriggerInvocation invocation;
    invocation.program = "/opt/my tools/t.sh";
    invocation.arguments = {"plain-1.5", "", "a b", "it's", "$HOME", "x=/y:z,@%+_"};
    EXPECT_EQ(CommandLineText(invocation), "'/opt/my tools/t.sh' plain-1.5 '' 'a b' 'it'\\''s' '$HOME' x=/y:z,@%+_");
}

}  // namespace
}  // namespace triggers
