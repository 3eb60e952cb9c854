#pragma once
// Merges this run's generated override statements into an existing override
// file. Existing lines keep their order; the generated values of items the
// file already has are added only with "new replaces old"; items and
// sections the file lacks are appended to their section or to the file.

#include <string>
#include <string_view>
#include <vector>

namespace promptsweep {

struct MergeSettings {
    bool newReplacesOld = false;  // -N
    bool reportOnly = false;      // output mode 0: nothing goes to the merged file
    std::string userName;
    std::string ascTime;          // for "# Updated by" lines; ends in a line end
    std::string programPath;      // for the run log's program line
};

struct MergeResult {
    std::string merged;   // the merged file (empty in report-only mode)
    std::string log;      // the changed lines with their headers, for the run log
    bool changesMade = false;
    bool syntaxError = false;
};

// `existing` is the override file, `newContent` the generated statements.
// After a syntax error the pass has stopped: `merged` is incomplete and
// `log` holds what was written before it.
MergeResult MergeOverrides(std::string_view existing, std::string_view newContent, const MergeSettings& settings);

}  // namespace promptsweep
