#include "promptsweep_ui/form_validation.h"

#include <filesystem>

#include "platform/native_path.h"
#include "promptsweep_ui/text_file.h"
#include "promptsweep_ui/ui_texts.h"

namespace sweepui {

namespace {

bool NeedsOutputDirectory(const FormOptions& options) {
    return options.location != OutputLocation::ProgramDirectory;
}

}  // namespace

std::string StartDirectoryProblem(const FormOptions& options) {
    const std::string start = Trimmed(options.startDirectory);
    if (start.empty()) return texts::kNoPath;
    std::error_code error;
    if (!std::filesystem::is_directory(start, error)) return texts::kInvalidPath;
    return {};
}

std::string OutputDirectoryProblem(const FormOptions& options) {
    if (NeedsOutputDirectory(options) && Trimmed(options.outputDirectory).empty()) return texts::kNoOutputDirectory;
    return {};
}

std::string RunLogPath(const FormOptions& options) {
    const std::string output = Trimmed(options.outputDirectory);
    std::string directory;
    if (NeedsOutputDirectory(options) || (options.reportOnly && !output.empty())) {
        directory = output;
    } else {
        directory = Trimmed(options.startDirectory);
    }
    if (directory.empty()) return {};
    return ShortPath(platform::JoinPath(directory, texts::kRunLogName));
}

ValidationOutcome Validate(const FormOptions& options, std::size_t rowCount) {
    ValidationOutcome outcome;
    auto fail = [&](const std::string& text) {
        outcome.goEnabled = false;
        outcome.messages += text + texts::kLineEnd;
    };
    if (const std::string problem = StartDirectoryProblem(options); !problem.empty()) fail(problem);
    outcome.editEnabled = rowCount > 0;
    if (rowCount == 0) fail(texts::kNoPairs);
    if (const std::string problem = OutputDirectoryProblem(options); !problem.empty()) {
        fail(problem);
        outcome.focusOutputDirectory = true;
    }
    outcome.runLogPath = RunLogPath(options);
    outcome.viewLogEnabled = !outcome.runLogPath.empty();
    return outcome;
}

ValidationOutcome Validate(const FormOptions& options, const std::vector<ReplacementRow>& rows) {
    ValidationOutcome outcome = Validate(options, rows.size());
    for (const ReplacementRow& row : rows) {
        if (CheckReplacement(row.find, row.replace) != ReplacementCheck::LineBreak) continue;
        outcome.goEnabled = false;
        outcome.messages += std::string("- ") + texts::kLineBreakInPair + texts::kLineEnd;
        break;
    }
    return outcome;
}

}  // namespace sweepui
