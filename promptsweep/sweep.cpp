#include "promptsweep/sweep.h"

#include <new>
#include <optional>

#include "platform/local_time.h"
#include "platform/message_format.h"
#include "platform/user_identity.h"
#include "promptsweep/command_line.h"
#include "promptsweep/directory_walk.h"
#include "promptsweep/program_output.h"
#include "promptsweep/program_reading.h"
#include "promptsweep/replacement_list.h"
#include "promptsweep/text_extraction.h"
#include "promptsweep/texts.h"
#include "promptsweep/tool_path.h"

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

class Sweep {
public:
    Sweep(platform::MessageSink& console, FileOperations& files) : output_(console), files_(files) {}

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
        settings_.outputMode = options_.outputMode;
        settings_.verbose = options_.verbose;
        settings_.leaveOldReplacements = options_.leaveOldReplacements;

        const std::string logPath = JoinToolPath(options_.outputDirectory, texts::kRunLogName);
        if (!ReadPairs()) return kExitFailed;
        if (options_.ChecksOutputDirectory() && !CheckDirectory(options_.outputDirectory, output_)) {
            return kExitFailed;
        }

        const std::string copyPath = JoinToolPath(options_.startDirectory, texts::kConsoleCopyName);
        if (!output_.OpenConsoleCopy(copyPath)) output_.Console(FormatText(texts::kCantCreateConsoleCopy, copyPath.c_str()));
        if (!output_.OpenLog(logPath)) {
            output_.Console(FormatText(texts::kCantOpenCreate, logPath.c_str()));
            return kExitFailed;
        }
        settings_.ascTime = platform::LocalAscTimeNow();
        output_.Log(RunLogHeader(options_, settings_));

        if (options_.verbose) {
            output_.Console(BannerText());
            output_.Console(FormatText(texts::kBannerOutput, options_.outputDirectory.c_str()));
            output_.Console(FormatText(texts::kBannerLogFile, logPath.c_str()));
        }

        DirectoryWalk(options_, output_, [this](const ProgramFound& program) { Process(program); }).Run();

        if (options_.verbose) output_.Progress(texts::kProcessFinished);
        output_.Log(RunLogSummary(options_.outputMode, programCount_, createdCount_));
        output_.Close();
        return kExitCompleted;
    }

private:
    bool ReadPairs() {
        try {
            if (!options_.listMode) {
                settings_.pairs.push_back({options_.findString, options_.replaceString});
                return true;
            }
            const std::optional<std::string> content = files_.ReadWhole(options_.listFileName);
            if (!content) {
                output_.Console(FormatText(texts::kCantReadList, options_.listFileName.c_str()));
                return false;
            }
            ReplacementList list = ParseReplacementList(*content);
            output_.Console(list.output);
            settings_.pairs = std::move(list.pairs);
            return list.ok;
        } catch (const std::bad_alloc&) {
            output_.Console(texts::kCannotAllocatePairs);
            return false;
        }
    }

    // Loads one program, tries the pairs in order and writes its override
    // content during the first pair whose texts match.
    void Process(const ProgramFound& program) {
        ++programCount_;
        ProgressSink loaderSink(output_, options_.verbose);
        const std::optional<program::ProgramImage> image = reader_.Read(program.path, loaderSink);
        if (!image) return;

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
                found = VisitProgram(*image, pairs, *programOutput);
                if (found && programOutput->Finish()) ++createdCount_;
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
};

}  // namespace

int RunSweep(const std::vector<std::string>& arguments, platform::MessageSink& console, FileOperations& files) {
    return Sweep(console, files).Run(arguments);
}

}  // namespace promptsweep
