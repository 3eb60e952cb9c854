#include "promptsweep_ui/run_plan.h"

#include <filesystem>

#include "platform/native_path.h"
#include "promptsweep_ui/text_file.h"
#include "promptsweep_ui/ui_texts.h"

namespace sweepui {

namespace {

// The tool's output mode for a location: 1 beside the programs, 2 a mirror
// tree, 3 all in one directory.
std::string OutputModeText(OutputLocation location) {
    return std::to_string(static_cast<int>(location) + 1);
}

}  // namespace

ToolOptions BuildOptions(const FormOptions& options, const std::string& startDirectory,
                         const std::string& outputDirectory) {
    ToolOptions built;
    auto add = [&](const std::string& text, std::vector<std::string> words) {
        built.text += text;
        built.words.insert(built.words.end(), words.begin(), words.end());
    };
    if (options.reportOnly) {
        if (!outputDirectory.empty()) {
            add(" -O 0 " + outputDirectory + " ", {"-O", "0", outputDirectory});
        } else {
            add(" -O 0 " + startDirectory, {"-O", "0", startDirectory});
        }
    } else if (options.location == OutputLocation::ProgramDirectory) {
        add(" -O 1 ", {"-O", "1"});
    } else if (!outputDirectory.empty()) {
        const std::string mode = OutputModeText(options.location);
        add("-O " + mode + " " + outputDirectory, {"-O", mode, outputDirectory});
    }
    add(" -v ", {"-v"});
    if (options.excludeSubDirectories) add(" -x ", {"-x"});
    if (options.overridePrevious) add(" -n", {"-n"});
    return built;
}

RunPlan PlanRun(const FormOptions& options, const std::string& listFile, const std::string& toolPath) {
    RunPlan plan;
    const std::string listShort = ShortPath(listFile);
    if (listShort.empty()) {
        plan.refusal = texts::kListShortPathMissing + listFile;
        return plan;
    }
    std::string output = Trimmed(options.outputDirectory);
    std::string start = Trimmed(options.startDirectory);
    if (options.location != OutputLocation::ProgramDirectory && !output.empty()) {
        std::error_code error;
        if (!std::filesystem::is_directory(output, error)) {
            std::filesystem::create_directory(output, error);
            if (error) {
                plan.refusal = texts::kCannotMakeOutput + output;
                return plan;
            }
        }
        output = ShortPath(output);
    }
    start = ShortPath(start);
    const ToolOptions built = BuildOptions(options, start, output);
    plan.toolPath = ShortPath(toolPath);
    if (plan.toolPath.empty()) {
        plan.refusal = texts::kToolShortPathMissing;
        return plan;
    }
    plan.commandLine = start + " " + "-L " + listShort + " " + built.text;
    plan.arguments = {start, "-L", listShort};
    plan.arguments.insert(plan.arguments.end(), built.words.begin(), built.words.end());
    plan.consoleCopyPath = platform::JoinPath(start, texts::kConsoleCopyName);
    return plan;
}

RunPlan PlanPreview(FormOptions options, const std::string& listFile, const std::string& toolPath) {
    options.reportOnly = true;
    if (options.location == OutputLocation::ProgramDirectory) options.outputDirectory.clear();
    RunPlan plan = PlanRun(options, listFile, toolPath);
    if (!plan.refusal.empty()) return plan;
    std::erase(plan.arguments, std::string("-v"));
    plan.arguments.push_back(texts::kDiffSwitch);
    const std::string verbose = " -v ";
    if (const std::size_t at = plan.commandLine.find(verbose); at != std::string::npos) {
        plan.commandLine.replace(at, verbose.size(), " ");
    }
    plan.commandLine += std::string(" ") + texts::kDiffSwitch;
    return plan;
}

}  // namespace sweepui
