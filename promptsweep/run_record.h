#pragma once
// What a run did, program by program, for the reports that --diff and
// --json ask for: every replaced text, and what became of the override file
// with its content before and after. The run hands each program's record to
// the reports as soon as the program is done, so nothing grows with the
// number of programs.

#include <string>
#include <vector>

#include "promptsweep/command_line.h"
#include "promptsweep/replacement_pair.h"

namespace promptsweep {

// One value line that a generated block sets, and the text it replaces.
struct ReplacedText {
    std::string section;         // "screen custmaint"
    std::string keyword;         // "display", "accept", ...
    std::string identification;  // "orig_text = \"…\"", "name = …", or empty
    std::string coordinate;      // "orig_coordinate = R,C", or empty
    std::string field;           // "text", "title" or "helpline"
    std::string kind;            // "display text", "entry field help", ...
    std::string oldText;
    std::string newText;
};

enum class OverrideOutcome {
    None,        // the program produced no override content
    Created,     // there was no override file: the new content is (or would be) it
    Merged,      // the merge changed the override file (or would)
    Unchanged,   // the merge found everything in place
    Cancelled,   // the merge did not take place: a syntax error, or a temporary that failed
    LeftBeside,  // merged, but the override file could not be replaced: the result is in BASE.mrg
    Failed,      // the new content could not become the override file, or the merged result not be written
};

const char* OutcomeName(OverrideOutcome outcome);

struct ProgramRecord {
    std::string path;
    bool loaded = true;
    std::string loaderMessage;  // when it did not load
    std::vector<ReplacedText> replacements;

    OverrideOutcome outcome = OverrideOutcome::None;
    bool written = false;       // the override file on disk was created or replaced
    std::string overridePath;
    std::string reason;         // the run log's "***" message, for the outcomes that have one
    std::string keptFile;       // the temporary left behind with the content, if any

    // Kept only when a report asks for them: the override file as it was
    // (empty when it did not exist) and as the run leaves it or would.
    bool contentsKept = false;
    bool existed = false;
    std::string before;
    std::string after;
};

struct RunTotals {
    int programs = 0;
    int createdOrUpdated = 0;
};

// A report of the run: told about the run's set-up once the walk is about
// to begin, about each program when it is done, and how the run ended.
class RunReport {
public:
    virtual ~RunReport() = default;
    virtual bool WantsContents() const { return false; }
    virtual void Begin(const RunOptions& /*options*/, const PairList& /*pairs*/) {}
    virtual void Program(const ProgramRecord& record) = 0;
    // totals: none when the run ended before its walk.
    virtual void End(int /*exitStatus*/, const RunTotals* /*totals*/) {}
};

}  // namespace promptsweep
