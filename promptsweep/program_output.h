#pragma once
// One program's override output: the new content file written while the
// program is visited, then turned into the override file or merged into it.

#include <string>
#include <vector>

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
    // The start and output directories with their links resolved: an
    // override file that is a link is merged into its target only when that
    // lies in one of them. Empty: anywhere.
    std::vector<std::string> writableRoots;
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

    // Writes the new content file whole and creates or merges the override
    // file; true when an override file was (or in report-only mode would be)
    // created or changed.
    bool Finish();

    // A file of this program could not be written whole: nothing was put in
    // place or counted, and its temporaries are gone.
    bool WriteFailed() const { return writeFailed_; }

private:
    void Write(const std::string& text);
    bool WriteNewContent();
    // Where the override file's content goes: the file itself, or the target
    // of the link it is; empty when that target lies outside the run's
    // directories.
    std::string OverrideTarget();
    bool Create();
    bool Merge(const std::string& existing, const std::string& target);
    // Logs that the program's files could not be written and removes the temporaries.
    void FailWrite(const std::string& message);
    bool ReportOnly() const { return settings_.outputMode == 0; }
    // Notes the outcome in the record, if there is one.
    void Note(OverrideOutcome outcome, bool written, const std::string& reason = {}, const std::string& kept = {});

    const RunSettings& settings_;
    RunOutput& output_;
    FileOperations& files_;
    std::string programPath_;
    ProgramFiles paths_;
    // The new content, written to its file whole when the visit ends; the
    // file itself is created at the first hand-over.
    std::string newContent_;
    bool newContentCreated_ = false;
    bool writeFailed_ = false;
    bool firstPair_ = true;
    bool sectionOpen_ = false;
    ProgramRecord* record_ = nullptr;
    bool keepContents_ = false;
};

}  // namespace promptsweep
