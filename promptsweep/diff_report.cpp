#include "promptsweep/diff_report.h"

#include <filesystem>

#include "platform/message_format.h"
#include "platform/native_path.h"
#include "promptsweep/texts.h"
#include "platform/unified_diff.h"

namespace promptsweep {

using platform::FormatText;

namespace {

// The run log's message without its stars and line ends.
std::string Reason(const std::string& message) {
    const std::size_t first = message.find_first_not_of("*\n ");
    if (first == std::string::npos) return {};
    return message.substr(first, message.find_last_not_of('\n') + 1 - first);
}

}  // namespace

std::string DiffPath(const std::string& path, const std::string& startDirectory) {
    namespace fs = std::filesystem;
    std::string base = startDirectory;
    while (base.size() > 1 && platform::IsPathSeparator(base.back())) base.pop_back();
    const fs::path relative = fs::path(path).lexically_normal().lexically_relative(fs::path(base).lexically_normal());
    if (relative.empty()) return path;
    return relative.generic_string();
}

void DiffReport::Begin(const RunOptions& options, const PairList& /*pairs*/) {
    startDirectory_ = options.startDirectory;
    reportOnly_ = options.outputMode == kReportOnly;
}

void DiffReport::Program(const ProgramRecord& record) {
    if (record.outcome == OverrideOutcome::None) return;
    const std::string path = DiffPath(record.overridePath, startDirectory_);
    switch (record.outcome) {
        case OverrideOutcome::Created:
        case OverrideOutcome::Merged:
            if (!record.contentsKept) return;
            if (reportOnly_ || record.written) {
                diffs_.WriteOutput(platform::UnifiedDiff(record.before, record.after, "a/" + path, "b/" + path));
            }
            return;
        case OverrideOutcome::Unchanged:
        case OverrideOutcome::None: return;
        case OverrideOutcome::Cancelled:
            errors_.WriteOutput(FormatText(texts::kDiffCancelled, path.c_str(), Reason(record.reason).c_str()));
            return;
        case OverrideOutcome::LeftBeside:
            errors_.WriteOutput(FormatText(texts::kDiffLeftBeside, path.c_str(),
                                           DiffPath(record.keptFile, startDirectory_).c_str(),
                                           Reason(record.reason).c_str()));
            return;
        case OverrideOutcome::Failed:
            errors_.WriteOutput(FormatText(texts::kDiffFailed, path.c_str(), Reason(record.reason).c_str()));
            return;
    }
}

}  // namespace promptsweep
