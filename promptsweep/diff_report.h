#pragma once
// --diff: the unified diff of every override file the run creates or
// changes, or in report-only mode would, against the file as it was; a
// merge that does not take place says why on the error output instead.

#include <string>

#include "platform/message_sink.h"
#include "promptsweep/run_record.h"

namespace promptsweep {

class DiffReport : public RunReport {
public:
    // Diffs go to `diffs`, the notes on files without one to `errors`.
    DiffReport(platform::MessageSink& diffs, platform::MessageSink& errors) : diffs_(diffs), errors_(errors) {}

    bool WantsContents() const override { return true; }
    void Begin(const RunOptions& options, const PairList& pairs) override;
    void Program(const ProgramRecord& record) override;

private:
    platform::MessageSink& diffs_;
    platform::MessageSink& errors_;
    std::string startDirectory_;
    bool reportOnly_ = true;
};

// An override file's path as the diff names it: relative to the start
// directory (with ".." where the output directory lies outside it).
std::string DiffPath(const std::string& path, const std::string& startDirectory);

}  // namespace promptsweep
