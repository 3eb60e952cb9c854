// What Launch Trigger starts here, decided without a window.

#include "tessellar/triggers/trigger_run.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/message_format.h"
#include "tessellar/mapping/path_rule.h"
#include "tessellar/triggers/trigger_texts.h"

namespace triggers {
namespace {

std::string ToClient(std::string path, mapping::PathMapper* mapper) {
    if (mapper != nullptr && !path.empty()) {
        mapping::ResolvePath(path, mapping::MappingDirection::ServerToClient, mapping::kUseTriggerProgram, *mapper);
    }
    return path;
}

bool IsExecutableFile(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (error || !std::filesystem::is_regular_file(status)) return false;
    using std::filesystem::perms;
    return (status.permissions() & (perms::owner_exec | perms::group_exec | perms::others_exec)) != perms::none;
}

bool ShellSafe(char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
    return std::string_view("%+,-./:=@_").find(c) != std::string_view::npos;
}

std::string ShellWord(const std::string& word) {
    if (word.empty()) return "''";
    bool safe = true;
    for (char c : word) safe = safe && ShellSafe(c);
    if (safe) return word;
    std::string quoted = "'";
    for (char c : word) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

}  // namespace

bool TypeIsAProgram(int programTypeIndex) { return programTypeIndex >= 0 && programTypeIndex <= 3; }

bool TypeRunsOnTheClient(int programTypeIndex) { return programTypeIndex == 1 || programTypeIndex == 3; }

TriggerInvocation LauncherInvocation(std::string_view launcher, const LaunchRequest& request) {
    TriggerInvocation invocation;
    invocation.program = std::string(launcher);
    invocation.arguments = {request.dataDirectory, request.runtimeProgram, request.typeLetter, request.program,
                            request.values};
    return invocation;
}

std::vector<std::string> TriggerArguments(const std::vector<TestRow>& rows) {
    std::vector<std::string> arguments;
    for (const TestRow& row : rows) arguments.push_back(RowText(row));
    return arguments;
}

bool IsExecutableHere(const std::string& program, std::string_view searchPath) {
    if (program.empty()) return false;
    if (program.find('/') != std::string::npos) return IsExecutableFile(program);
    while (true) {
        const std::size_t colon = searchPath.find(':');
        std::string_view directory = searchPath.substr(0, colon);
        // An empty entry is the working directory, as the shell takes it.
        if (directory.empty()) directory = ".";
        if (IsExecutableFile(std::filesystem::path(directory) / program)) return true;
        if (colon == std::string_view::npos) return false;
        searchPath.remove_prefix(colon + 1);
    }
}

DirectRun PlanDirectRun(const LaunchRequest& request, const std::vector<TestRow>& rows, int programTypeIndex,
                        mapping::PathMapper* mapper) {
    DirectRun run;
    if (!TypeIsAProgram(programTypeIndex)) {
        run.refusal = texts::kNotAProgramType;
        return run;
    }
    if (request.program.empty()) {
        run.refusal = texts::kNoProgramToRun;
        return run;
    }

    TriggerInvocation invocation;
    if (TypeRunsOnTheClient(programTypeIndex)) {
        // A client program is named as the client sees it: nothing to map.
        const char* path = std::getenv("PATH");
        if (!IsExecutableHere(request.program, path != nullptr ? path : "")) {
            run.refusal = platform::FormatText(texts::kNotExecutableHere, request.program.c_str());
            return run;
        }
        invocation.program = request.program;
    } else {
        invocation.program = ToClient(request.program, mapper);
    }

    invocation.workingDirectory = ToClient(request.dataDirectory, mapper);
    if (!invocation.workingDirectory.empty()) {
        std::error_code error;
        if (!std::filesystem::is_directory(invocation.workingDirectory, error)) {
            run.refusal = platform::FormatText(texts::kNoDataDirectoryHere, invocation.workingDirectory.c_str());
            return run;
        }
        std::string absolute =
            std::filesystem::absolute(invocation.workingDirectory, error).lexically_normal().string();
        if (absolute.size() > 1 && absolute.back() == '/') absolute.pop_back();
        invocation.environment.emplace_back("PWD", std::move(absolute));
    }
    invocation.arguments = TriggerArguments(rows);
    invocation.environment.emplace_back(kTestVariable, "1");
    invocation.environment.emplace_back(kDataDirectoryVariable, request.dataDirectory);
    invocation.environment.emplace_back(kTypeLetterVariable, request.typeLetter);
    invocation.environment.emplace_back(kValuesVariable, request.values);
    run.invocation = std::move(invocation);
    return run;
}

std::string CommandLineText(const TriggerInvocation& invocation) {
    std::string text = ShellWord(invocation.program);
    for (const std::string& argument : invocation.arguments) text += ' ' + ShellWord(argument);
    return text;
}

}  // namespace triggers
