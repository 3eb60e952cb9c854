#include "tessellar/app/report_command.h"

#include <filesystem>
#include <ostream>
#include <sstream>
#include <system_error>

#include "platform/command_options.h"
#include "tessellar/app/report_pictures.h"
#include "tessellar/document/override_location.h"
#include "tessellar/overrides/line_reader.h"
#include "tessellar/program/image/program_loader.h"
#include "tessellar/report/review_report.h"
#include "tools/scfcheck/program_tree.h"

namespace app {

namespace {

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// As the customiser finds it: --scf, else -l or SCFPATH (of several
// directories the first that holds the file), else beside the program.
std::string OverridePathFor(const std::string& program, const ReportRequest& request,
                            const std::optional<std::string>& scfPath) {
    document::OverrideLocationInputs inputs;
    inputs.programPath = program;
    inputs.overridePath = request.overrideFile.value_or(std::string());
    inputs.overrideDirectories = request.overrideDirectories;
    inputs.registryPath = scfPath;
    document::OverrideLocationPrompts prompts;
    prompts.chooseDirectory = [&program](const std::vector<std::string>& directories) -> std::optional<std::string> {
        for (const std::string& directory : directories) {
            if (Exists(document::OverridePathIn(directory, document::OverrideFileName(program)))) return directory;
        }
        return directories.front();
    };
    return document::LocateOverrideFile(inputs, prompts).value_or(document::WithOverrideExtension(program));
}

// A device or a FIFO named as an override file would never end.
std::optional<std::string> ReadOverrideFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    return overrides::ReadOverrideText(path);
}

class ReportRun {
public:
    ReportRun(const ReportRequest& request, const RenderSettings& settings, const std::optional<std::string>& scfPath,
              std::ostream& errors)
        : request_(request), scfPath_(scfPath), errors_(errors), setup_(SetUpPictures(settings)),
          pictures_(settings), report_(request.outDirectory, pictures_, request.since.has_value()) {}

    bool Begin() { return report_.Begin(); }

    void Program(const std::string& path) {
        std::ostringstream loaderMessages;
        platform::StreamMessageSink sink(loaderMessages, loaderMessages);
        const std::optional<program::ProgramImage> image = program::LoadProgram(path, sink);
        if (!image) return Unreadable(path, Trimmed(loaderMessages.str()));

        report::ProgramSource source;
        source.programPath = path;
        source.image = &*image;
        source.inputs = setup_.inputs;
        const std::string overridePath = OverridePathFor(path, request_, scfPath_);
        // Without --scf a program may well have no override file: nothing is customised.
        if (request_.overrideFile || Exists(overridePath)) {
            std::optional<std::string> text = ReadOverrideFile(overridePath);
            if (!text) return Unreadable(path, overridePath + ": cannot be read");
            source.overridePath = overridePath;
            source.overrideText = std::move(*text);
        }
        if (request_.since) {
            std::optional<std::string> old = ReadOverrideFile(*request_.since);
            if (!old) return Unreadable(path, *request_.since + ": cannot be read");
            source.oldOverridePath = *request_.since;
            source.oldOverrideText = std::move(*old);
        }
        report_.AddProgram(source);
    }

    int Finish(std::ostream& out) {
        const bool written = report_.Finish();
        for (const std::string& problem : report_.Problems()) errors_ << "tessellar: " << problem << '\n';
        out << report_.EntryCount() << (request_.since ? " entries changed" : " entries customised") << " in "
            << report_.Index().programs.size() << " programs: " << report_.IndexPath() << '\n';
        return written && !troubled_ ? 0 : 1;
    }

private:
    static std::string Trimmed(std::string text) {
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        return text.empty() ? "cannot be read" : text;
    }

    void Unreadable(const std::string& path, const std::string& problem) {
        errors_ << "tessellar: " << path << ": " << problem << '\n';
        report_.AddUnreadable(path, problem);
        troubled_ = true;
    }

    const ReportRequest& request_;
    const std::optional<std::string>& scfPath_;
    std::ostream& errors_;
    PictureSetup setup_;
    ReportPictures pictures_;
    report::ReviewReport report_;
    bool troubled_ = false;
};

}  // namespace

std::optional<ReportRequest> ParseReportArguments(const std::vector<std::string>& arguments, std::string& problem) {
    ReportRequest request;
    std::optional<std::string> tree;
    std::optional<std::string> directories;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        auto value = [&](std::optional<std::string>& target) {
            if (i + 1 >= arguments.size()) {
                problem = platform::MissingValueProblem(argument);
                return false;
            }
            target = arguments[++i];
            return true;
        };
        bool taken = true;
        if (argument == "--scf") taken = value(request.overrideFile);
        else if (argument == "--since") taken = value(request.since);
        else if (argument == "-R") taken = value(tree);
        else if (argument == "-l") taken = value(directories);
        else if (!argument.empty() && argument[0] == '-') {
            problem = platform::UnknownOptionProblem(argument);
            return std::nullopt;
        } else if (request.outDirectory.empty()) {
            request.outDirectory = argument;
        } else if (request.program.empty()) {
            request.program = argument;
        } else {
            problem = "more than one program given";
            return std::nullopt;
        }
        if (!taken) return std::nullopt;
    }
    request.tree = tree.value_or(std::string());
    request.overrideDirectories = directories.value_or(std::string());
    if (request.outDirectory.empty()) problem = "no report directory given";
    else if (request.program.empty() && request.tree.empty()) problem = "PROGRAM or -R DIRECTORY is needed";
    else if (!request.program.empty() && !request.tree.empty()) problem = "PROGRAM and -R exclude each other";
    else if (!request.tree.empty() && (request.overrideFile || request.since)) {
        problem = "--scf and --since name one program's files; -R finds each program's own";
    }
    if (!problem.empty()) return std::nullopt;
    return request;
}

int RunReport(const ReportRequest& request, const RenderSettings& settings, const std::optional<std::string>& scfPath,
              std::ostream& out, std::ostream& errors) {
    ReportRun run(request, settings, scfPath, errors);
    if (!run.Begin()) return run.Finish(out);
    if (request.tree.empty()) {
        run.Program(request.program);
    } else if (!scfcheck::WalkPrograms(request.tree, [&run](const std::string& program) { run.Program(program); })) {
        errors << "tessellar: " << request.tree << ": no such directory, or it cannot be read\n";
        run.Finish(out);
        return 1;
    }
    return run.Finish(out);
}

}  // namespace app
