#pragma once
// One program's override output: the new content file written while the
// program is visited, then turned into the override file or merged into it.

#include <cstdio>
#include <memory>
#include <string>

#include "promptsweep/file_operations.h"
#include "promptsweep/replacement_pair.h"
#include "promptsweep/run_output.h"
#include "promptsweep/run_record.h"
#include "promptsweep/text_extraction.h"

namespace promptsweep {

// What stays the same for every program of a run.
struct RunSettings {
    PairList pairs;
    int outputMode = 0;
    bool verbose = false;
    bool leaveOldReplacements = true;
    std::string userName;
    std::string ascTime;  // the run's start, for file headers
};

// New content, override and merge file of one program.
struct ProgramFiles {
    std::string newContent;  // BASE.new
    std::string override;    // BASE.scf
    std::string merge;       // BASE.mrg
    std::string overrideName;
};

// BASE is the program's file name up to its first ".".
ProgramFiles ProgramFilesIn(const std::string& location, const std::string& programFileName);

class ProgramOutput : public HandOverTarget {
public:
    ProgramOutput(const RunSettings& settings, RunOutput& output, FileOperations& files, std::string programPath,
                  ProgramFiles programFiles);
    ~ProgramOutput() override;

    // Set while the first pair is tried: only then does opening the new
    // content file name the override file on the console.
    void SetFirstPair(bool firstPair) { firstPair_ = firstPair; }

    // For the run's reports: each replaced text and what became of the
    // override file go into `record`; with `keepContents` also the file's
    // content before and after. The files written and the run log stay
    // exactly as without a record.
    void SetRecord(ProgramRecord* record, bool keepContents) {
        record_ = record;
        keepContents_ = keepContents;
    }

    void EnsureNewContent() override;
    void HandOver(const HandedItem& item) override;
    void EndEntry() override;

    // Closes the new content file and creates or merges the override file;
    // true when an override file was (or in report-only mode would be)
    // created or changed.
    bool Finish();

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    void Write(const std::string& text);
    bool Create();
    bool Merge(const std::string& existing);
    bool ReportOnly() const { return settings_.outputMode == 0; }
    // Notes the outcome in the record, if there is one.
    void Note(OverrideOutcome outcome, bool written, const std::string& reason = {}, const std::string& kept = {});

    const RunSettings& settings_;
    RunOutput& output_;
    FileOperations& files_;
    std::string programPath_;
    ProgramFiles paths_;
    std::unique_ptr<std::FILE, FileCloser> newContent_;
    bool firstPair_ = true;
    bool sectionOpen_ = false;
    ProgramRecord* record_ = nullptr;
    bool keepContents_ = false;
};

}  // namespace promptsweep
