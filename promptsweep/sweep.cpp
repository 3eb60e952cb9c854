#include "promptsweep/sweep.h"

#include <new>
#include <optional>

#include "platform/local_time.h"
#include "platform/message_format.h"
#include "platform/user_identity.h"
#include "promptsweep/command_line.h"
#include "promptsweep/diff_report.h"
#include "promptsweep/directory_walk.h"
#include "promptsweep/json_report.h"
#include "promptsweep/link_paths.h"
#include "promptsweep/program_output.h"
#include "promptsweep/program_reading.h"
#include "promptsweep/replacement_list.h"
#include "promptsweep/report_switches.h"
#include "promptsweep/text_extraction.h"
#include "promptsweep/texts.h"
#include "promptsweep/tool_path.h"
#include "promptsweep/untrusted_files.h"

namespace promptsweep {

using platform::FormatText;

namespace {

std::string OutputModeText(const RunOptions& options) {
    switch (options.outputMode) {
        case kReportOnly: return texts::kModeReportOnly;
        case kProgramDirectories: return texts::kModeProgramDirectories;
        case kMirrorDirectories: return FormatText(texts::kModeDirectoriesUnder, options.outputDirectory.c_str());
        case kAllInOutputDirectory: return FormatText(texts::kModeAllOutputTo, options.outputDirectory.c_str());
        default: return {};
    }
}

std::string RunLogHeader(const RunOptions& options, const RunSettings& settings) {
    std::string header = texts::kStarLine;
    header += FormatText(texts::kGeneratedByTool, texts::kVersion);
    header += FormatText(texts::kGeneratedBy, settings.userName.c_str(), settings.ascTime.c_str());
    header += texts::kSelectedOptions;
    header += FormatText(texts::kStartInDirectory, options.startDirectory.c_str());
    header += options.leaveOldReplacements ? texts::kLeaveOld : texts::kOverrideOld;
    header += options.includeSubdirectories ? texts::kInclude : texts::kExclude;
    header += texts::kSubDirectories;
    header += FormatText(texts::kOutputMode, options.outputMode, OutputModeText(options).c_str());
    if (settings.pairs.size() >= 2) {
        header += FormatText(texts::kReplacementsUsingList, options.listFileName.c_str());
        for (const ReplacementPair& pair : settings.pairs) {
            header += FormatText(texts::kListPair, pair.find.c_str(), pair.replace.c_str());
        }
    } else if (!settings.pairs.empty()) {
        header += FormatText(texts::kReplacing, settings.pairs[0].find.c_str(), settings.pairs[0].replace.c_str());
    }
    header += texts::kDashLine;
    return header;
}

std::string RunLogSummary(int outputMode, int programCount, int createdCount) {
    const bool reportOnly = outputMode == kReportOnly;
    std::string summary = texts::kStarLine;
    summary += FormatText(reportOnly ? texts::kReportOnlyChecked : texts::kSummaryChecked, programCount);
    if (createdCount > 0) {
        summary += FormatText(reportOnly ? texts::kWouldCreateUpdate : texts::kCreatedUpdated, createdCount);
    }
    summary += texts::kSummaryEnd;
    return summary;
}

// The loader's messages as the run prints them, kept for the record too.
class LoaderSink : public platform::MessageSink {
public:
    LoaderSink(platform::MessageSink& next, ProgramRecord* record) : next_(next), record_(record) {}
    void ShowMessage(std::string_view text) override { WriteOutput(std::string(text) + "\n"); }
    void WriteOutput(std::string_view text) override {
        if (record_ != nullptr) record_->loaderMessage.append(text);
        next_.WriteOutput(text);
    }

private:
    platform::MessageSink& next_;
    ProgramRecord* record_;
};

// The reason a console copy or run log was refused, when it is one a
// planted file gives.
std::string RefusalNote(const std::string& path, FileRefusal refusal) {
    if (refusal == FileRefusal::Link) return FormatText(texts::kLinkNotFollowed, path.c_str());
    if (refusal == FileRefusal::NotRegular) return FormatText(texts::kNotRegularLeftAlone, path.c_str());
    return {};
}

// No list of pairs is anywhere near this size.
constexpr std::size_t kMaxListBytes = std::size_t{16} << 20;

class Sweep {
public:
    Sweep(platform::MessageSink& console, FileOperations& files, std::vector<RunReport*> reports)
        : output_(console), files_(files), reports_(std::move(reports)) {
        for (const RunReport* report : reports_) wantsContents_ = wantsContents_ || report->WantsContents();
    }

    // Once the command line has been read: its options and the pairs read so far.
    bool Parsed() const { return parsed_; }
    const RunOptions& Options() const { return options_; }
    const PairList& Pairs() const { return settings_.pairs; }
    // Once the walk is done.
    bool Walked() const { return walked_; }
    RunTotals Totals() const { return {programCount_, createdCount_}; }

    int Run(const std::vector<std::string>& arguments) {
        settings_.userName = platform::CurrentUserName();
        const CommandLine line = ParseCommandLine(arguments);
        if (line.usageError) {
            output_.Console(BannerText());
            output_.Console(UsageText(arguments.empty() ? std::string() : arguments[0]));
            return kExitFailed;
        }
        output_.Console(line.notes);
        options_ = line.options;
        parsed_ = true;
        settings_.outputMode = options_.outputMode;
        settings_.verbose = options_.verbose;
        settings_.leaveOldReplacements = options_.leaveOldReplacements;

        const std::string logPath = JoinToolPath(options_.outputDirectory, texts::kRunLogName);
        if (!ReadPairs()) return kExitFailed;
        if (options_.ChecksOutputDirectory() && !CheckDirectory(options_.outputDirectory, output_)) {
            return kExitFailed;
        }

        settings_.writableRoots = {ResolvedPath(options_.startDirectory), ResolvedPath(options_.outputDirectory)};

        const std::string copyPath = JoinToolPath(options_.startDirectory, texts::kConsoleCopyName);
        FileRefusal refusal = FileRefusal::None;
        if (!output_.OpenConsoleCopy(copyPath, refusal)) {
            output_.Console(FormatText(texts::kCantCreateConsoleCopy, copyPath.c_str()));
            output_.Console(RefusalNote(copyPath, refusal));
        }
        if (!output_.OpenLog(logPath, refusal)) {
            output_.Console(FormatText(texts::kCantOpenCreate, logPath.c_str()));
            output_.Console(RefusalNote(logPath, refusal));
            return kExitFailed;
        }
        settings_.ascTime = platform::LocalAscTimeNow();
        output_.Log(RunLogHeader(options_, settings_));

        if (options_.verbose) {
            output_.Console(BannerText());
            output_.Console(FormatText(texts::kBannerOutput, options_.outputDirectory.c_str()));
            output_.Console(FormatText(texts::kBannerLogFile, logPath.c_str()));
        }

        for (RunReport* report : reports_) report->Begin(options_, settings_.pairs);
        DirectoryWalk(options_, output_, [this](const ProgramFound& program) { Process(program); }).Run();
        walked_ = true;

        if (options_.verbose) output_.Progress(texts::kProcessFinished);
        output_.Log(RunLogSummary(options_.outputMode, programCount_, createdCount_));
        if (!output_.Close()) {
            output_.Console(FormatText(texts::kCannotWriteLog, logPath.c_str()));
            return kExitFailed;
        }
        // A scheduled run must see that some file could not be written.
        return filesFailed_ ? kExitFailed : kExitCompleted;
    }

private:
    bool ReadPairs() {
        try {
            if (!options_.listMode) {
                const ReplacementPair pair{options_.findString, options_.replaceString};
                if (HoldsLineBreak(pair)) {
                    const std::string line = "\"" + pair.find + "\",\"" + pair.replace + "\"";
                    output_.Console(FormatText(texts::kLineBreakInPair, ShowLineBreaks(line).c_str()));
                    return false;
                }
                settings_.pairs.push_back(pair);
                return true;
            }
            const std::optional<std::string> content = ReadList();
            if (!content) return false;
            ReplacementList list = ParseReplacementList(*content);
            output_.Console(list.output);
            settings_.pairs = std::move(list.pairs);
            return list.ok;
        } catch (const std::bad_alloc&) {
            output_.Console(texts::kCannotAllocatePairs);
            return false;
        }
    }

    // The list file, bounded: a FIFO, a device or a file larger than any
    // list could be is refused with the reason, before it is read.
    std::optional<std::string> ReadList() {
        const std::string& name = options_.listFileName;
        const RegularFileRead read = ReadRegularFile(name, kMaxListBytes);
        std::string reason;
        if (read.refusal == FileRefusal::NotRegular) reason = texts::kListNotRegular;
        if (read.refusal == FileRefusal::TooLarge) reason = texts::kListTooLarge;
        if (read.content) {
            if (const int line = FirstOverlongLine(*read.content); line > 0) {
                reason = FormatText(texts::kListLineTooLong, line);
            }
        }
        if (!reason.empty()) {
            output_.Console(FormatText(texts::kListRefused, name.c_str(), reason.c_str()));
            return std::nullopt;
        }
        if (!read.content) output_.Console(FormatText(texts::kCantReadList, name.c_str()));
        return read.content;
    }

    // Loads one program, tries the pairs in order and writes its override
    // content during the first pair whose texts match.
    void Process(const ProgramFound& program) {
        ProgramRecord record;
        ProgramRecord* kept = reports_.empty() ? nullptr : &record;
        if (kept != nullptr) record.path = program.path;
        Process(program, kept);
        for (RunReport* report : reports_) report->Program(record);
    }

    void Process(const ProgramFound& program, ProgramRecord* record) {
        ++programCount_;
        ProgressSink progressSink(output_, options_.verbose);
        LoaderSink loaderSink(progressSink, record);
        if (!program.regularFile) {
            // A FIFO or a device named like a program: said, never waited on.
            if (options_.verbose) output_.Progress(texts::kNotRegularProgress);
            output_.Log(FormatText(texts::kNotRegularSkipped, program.path.c_str()));
            if (record != nullptr) {
                record->loaded = false;
                record->loaderMessage = texts::kNotRegularRecord;
            }
            return;
        }
        const std::optional<program::ProgramImage> image = reader_.Read(program.path, loaderSink);
        if (!image) {
            if (record != nullptr) record->loaded = false;
            return;
        }
        if (record != nullptr) record->loaderMessage.clear();

        // Made only for a program that gets as far as a visit.
        std::optional<ProgramOutput> programOutput;
        const PairList& pairs = settings_.pairs;
        bool visited = false;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            bool found = false;
            // A visit applies every pair, so once one has found nothing a
            // later one cannot find anything either.
            if (!visited && PretestFinds(*image, pairs[i].find)) {
                visited = true;
                programOutput.emplace(settings_, output_, files_, program.path,
                                      ProgramFilesIn(program.outputLocation, program.fileName));
                programOutput->SetFirstPair(i == 0);
                programOutput->SetRecord(record, wantsContents_);
                found = VisitProgram(*image, pairs, *programOutput);
                if (found && programOutput->Finish()) ++createdCount_;
                filesFailed_ = filesFailed_ || programOutput->WriteFailed();
            }
            if (found) break;
            if (options_.verbose) {
                if (i == 0 && pairs.size() >= 2) output_.Progress("\n");
                output_.Progress(FormatText(texts::kNotFound, pairs[i].find.c_str()));
            }
        }
    }

    RunOutput output_;
    FileOperations& files_;
    ProgramReader reader_;
    RunOptions options_;
    RunSettings settings_;
    int programCount_ = 0;
    int createdCount_ = 0;
    bool filesFailed_ = false;
    std::vector<RunReport*> reports_;
    bool wantsContents_ = false;
    bool parsed_ = false;
    bool walked_ = false;
};

}  // namespace

int RunSweep(const std::vector<std::string>& arguments, platform::MessageSink& console, FileOperations& files) {
    return RunSweep(arguments, console, console, files);
}

int RunSweep(const std::vector<std::string>& arguments, platform::MessageSink& console, platform::MessageSink& errors,
             FileOperations& files) {
    const ReportSwitches switches = TakeReportSwitches(arguments);
    if (switches.help) {
        console.WriteOutput(BannerText() + UsageText(arguments[0]) + texts::kReportSwitchesHelp);
        return kExitCompleted;
    }
    if (switches.jsonWithoutFile) {
        errors.WriteOutput(texts::kJsonNeedsFile);
        return kExitFailed;
    }
    std::vector<RunReport*> reports;
    std::optional<JsonReport> json;
    if (switches.jsonFile) {
        json.emplace(*switches.jsonFile, std::vector<std::string>(arguments.begin() + 1, arguments.end()));
        if (!json->Open()) {
            errors.WriteOutput(FormatText(texts::kJsonCannotCreate, switches.jsonFile->c_str()));
            return kExitFailed;
        }
        reports.push_back(&*json);
    }
    std::optional<DiffReport> diff;
    if (switches.diff) {
        diff.emplace(console, errors);
        reports.push_back(&*diff);
    }

    // With --diff standard output holds the diff alone; the run's own
    // console lines go to the error output.
    Sweep sweep(switches.diff ? errors : console, files, reports);
    int status = sweep.Run(switches.partArguments);
    const RunTotals totals = sweep.Totals();
    for (RunReport* report : reports) {
        if (sweep.Parsed()) report->Begin(sweep.Options(), sweep.Pairs());
        report->End(status, sweep.Walked() ? &totals : nullptr);
    }
    if (json && !json->Good()) {
        errors.WriteOutput(FormatText(texts::kJsonCannotWrite, switches.jsonFile->c_str()));
        status = kExitFailed;
    }
    return status;
}

}  // namespace promptsweep
