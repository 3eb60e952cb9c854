#include "promptsweep/program_output.h"

#include <filesystem>
#include <new>

#include "platform/local_time.h"
#include "platform/message_format.h"
#include "promptsweep/item_blocks.h"
#include "promptsweep/link_paths.h"
#include "promptsweep/merge_pass.h"
#include "promptsweep/override_lines.h"
#include "promptsweep/texts.h"
#include "promptsweep/tool_path.h"

namespace promptsweep {

using platform::FormatText;

namespace {
// The lines of a new content file before its program line.
constexpr std::size_t kNewContentHeaderLines = 4;
}  // namespace

ProgramFiles ProgramFilesIn(const std::string& location, const std::string& programFileName) {
    const std::string base = programFileName.substr(0, programFileName.find('.'));
    ProgramFiles files;
    files.overrideName = base + texts::kOverrideExtension;
    files.newContent = JoinToolPath(location, base + texts::kNewContentExtension);
    files.override = JoinToolPath(location, files.overrideName);
    files.merge = JoinToolPath(location, base + texts::kMergeExtension);
    return files;
}

ProgramOutput::ProgramOutput(const RunSettings& settings, RunOutput& output, FileOperations& files,
                             std::string programPath, ProgramFiles programFiles)
    : settings_(settings), output_(output), files_(files), programPath_(std::move(programPath)),
      paths_(std::move(programFiles)) {}

ProgramOutput::~ProgramOutput() = default;

void ProgramOutput::EnsureNewContent() {
    if (newContentCreated_) return;
    // Leftovers of an earlier run go first (a link there is removed, never
    // followed); the new file is made only where nothing else stands.
    for (const std::string* temporary : {&paths_.newContent, &paths_.merge}) {
        if (IsLink(*temporary)) output_.Log(FormatText(texts::kLinkRemoved, temporary->c_str()));
        files_.Remove(*temporary);
    }
    newContentCreated_ = files_.CreateNew(paths_.newContent);
    if (!newContentCreated_) {
        output_.Log(FormatText(texts::kCantOpenCreate, paths_.newContent.c_str()));
        if (settings_.verbose) output_.Progress(FormatText(texts::kCantCreateNewContent, paths_.newContent.c_str()));
        return;
    }
    Write(FormatNewContentHeader(settings_.userName, settings_.ascTime, programPath_));
    if (settings_.verbose && firstPair_) output_.Progress(FormatText(texts::kOverrideFileLine, paths_.overrideName.c_str()));
}

void ProgramOutput::HandOver(const HandedItem& item) {
    if (!newContentCreated_) return;
    const ItemBlock description = DescribeItemBlock(item, settings_.pairs);
    const std::string block = FormatItemBlock(description);
    if (block.empty()) return;
    if (!sectionOpen_) {
        Write(FormatSectionOpen(item.section));
        sectionOpen_ = true;
    }
    Write(block);
    if (record_ == nullptr) return;
    for (const ValueReplacement& value : description.values) {
        record_->replacements.push_back(ReplacedText{std::string(item.section), description.keyword,
                                                     description.identification, description.coordinate,
                                                     value.field, value.kind, value.oldText, value.newText});
    }
}

void ProgramOutput::Note(OverrideOutcome outcome, bool written, const std::string& reason, const std::string& kept) {
    if (record_ == nullptr) return;
    record_->outcome = outcome;
    record_->written = written;
    record_->overridePath = paths_.override;
    record_->reason = reason;
    record_->keptFile = kept;
}

void ProgramOutput::EndEntry() {
    if (!sectionOpen_) return;
    Write(FormatSectionClose());
    sectionOpen_ = false;
}

void ProgramOutput::Write(const std::string& text) {
    if (newContentCreated_) newContent_ += text;
}

void ProgramOutput::FailWrite(const std::string& message) {
    output_.Log(message);
    Note(OverrideOutcome::Failed, false, message);
    for (const std::string* temporary : {&paths_.merge, &paths_.newContent}) {
        if (!files_.Remove(*temporary) && files_.ReadWhole(*temporary)) {
            output_.Log(FormatText(texts::kCannotRemoveTemporary, temporary->c_str()));
        }
    }
    writeFailed_ = true;
}

// Whole or not at all: in a writing run synced to the disk before it can be
// renamed into place as the override file.
bool ProgramOutput::WriteNewContent() {
    if (!newContentCreated_) return true;  // the reread below says so
    if (files_.WriteWhole(paths_.newContent, newContent_, !ReportOnly())) return true;
    FailWrite(FormatText(texts::kCannotMergeCreate, paths_.override.c_str()));
    return false;
}

std::string ProgramOutput::OverrideTarget() {
    if (!IsLink(paths_.override)) return paths_.override;
    const std::string target = FinalLinkTarget(paths_.override);
    if (!target.empty() && settings_.writableRoots.empty()) return target;
    if (!target.empty()) {
        const std::filesystem::path path(target);
        const std::string directory = ResolvedPath(path.parent_path().empty() ? "." : path.parent_path().string());
        if (LiesWithin(directory, settings_.writableRoots)) return target;
    }
    return {};
}

bool ProgramOutput::Finish() {
    if (!WriteNewContent()) return false;
    const std::string target = OverrideTarget();
    if (target.empty()) {
        // A link planted in the place of the override file is left alone.
        output_.Log(FormatText(texts::kLinkLeadsOutside, paths_.override.c_str()));
        const std::string message = FormatText(texts::kCannotMergeCreate, paths_.override.c_str());
        output_.Log(message);
        Note(OverrideOutcome::Failed, false, message);
        files_.Remove(paths_.newContent);
        return false;
    }
    std::optional<std::string> existing = files_.ReadWhole(target);
    if (record_ != nullptr && keepContents_) {
        record_->contentsKept = true;
        record_->existed = existing.has_value();
        if (existing) record_->before = *existing;
    }
    if (!existing) return Create();
    return Merge(*existing, target);
}

// No override file yet: the new content becomes it.
bool ProgramOutput::Create() {
    const std::optional<std::string> content = files_.ReadWhole(paths_.newContent);
    if (!content) {
        const std::string message = FormatText(texts::kCannotAppend, paths_.newContent.c_str(), texts::kRunLogName);
        output_.Log(message);
        Note(OverrideOutcome::Failed, false, message, paths_.newContent);
        return false;
    }
    if (record_ != nullptr && keepContents_) record_->after = *content;
    const std::vector<std::string_view> lines = SplitLines(*content);
    for (std::size_t i = kNewContentHeaderLines; i < lines.size(); ++i) output_.Log(lines[i]);
    if (!ReportOnly()) {
        if (!files_.RenameNoReplace(paths_.newContent, paths_.override)) {
            const std::string message = FormatText(texts::kCannotMergeCreate, paths_.override.c_str());
            output_.Log(message);
            Note(OverrideOutcome::Failed, false, message, paths_.newContent);
            return true;
        }
        Note(OverrideOutcome::Created, true);
        return true;
    }
    if (!files_.Remove(paths_.newContent)) {
        output_.Log(FormatText(texts::kCannotRemoveTemporary, paths_.newContent.c_str()));
    }
    Note(OverrideOutcome::Created, false);
    return true;
}

// An override file exists: merge into a merge file beside it, which then
// replaces it in one step. Until then the override file stays untouched.
bool ProgramOutput::Merge(const std::string& existing, const std::string& target) {
    // Logs a failure and notes it in the record.
    auto failed = [this](OverrideOutcome outcome, const std::string& message, const std::string& kept = {}) {
        output_.Log(message);
        Note(outcome, false, message, kept);
    };
    if (!files_.CreateEmpty(paths_.merge)) {
        failed(OverrideOutcome::Cancelled, FormatText(texts::kCannotCreateMergeFile, paths_.merge.c_str()));
        return false;
    }
    // A report that shows the merged file needs it in report-only mode too;
    // the merge's log is the same either way.
    const bool keepMerged = !ReportOnly() || (record_ != nullptr && keepContents_);
    MergeResult result;
    try {
        const std::optional<std::string> content = files_.ReadWhole(paths_.newContent);
        if (!content) {
            failed(OverrideOutcome::Cancelled, FormatText(texts::kCannotOpenNewContent, paths_.newContent.c_str()));
            return false;
        }
        const MergeSettings mergeSettings{
            .newReplacesOld = !settings_.leaveOldReplacements,
            .reportOnly = !keepMerged,
            .userName = settings_.userName,
            .ascTime = platform::LocalAscTimeNow(),
            .programPath = programPath_,
        };
        result = MergeOverrides(existing, *content, mergeSettings);
    } catch (const std::bad_alloc&) {
        failed(OverrideOutcome::Cancelled, FormatText(texts::kCannotAllocateMerge, paths_.override.c_str()));
        return false;
    }
    output_.Log(result.log);
    if (result.syntaxError) {
        failed(OverrideOutcome::Cancelled, FormatText(texts::kSyntaxError, paths_.override.c_str()));
        result.changesMade = false;
    } else if (!result.changesMade) {
        Note(OverrideOutcome::Unchanged, false);
    } else {
        if (record_ != nullptr && keepContents_) record_->after = result.merged;
        Note(OverrideOutcome::Merged, false);
    }

    bool keepMerge = false;
    if (result.changesMade && !ReportOnly()) {
        if (!files_.WriteDurably(paths_.merge, result.merged)) {
            FailWrite(FormatText(texts::kCannotCreateMergeFile, paths_.merge.c_str()));
            return false;
        }
        if (files_.IsReadOnly(target)) {
            failed(OverrideOutcome::LeftBeside, FormatText(texts::kCannotRemoveOld, paths_.override.c_str()),
                   paths_.merge);
            return true;
        }
        // The override file, or where its link leads: the link stays.
        if (!files_.ReplaceAtomically(paths_.merge, target)) {
            failed(OverrideOutcome::LeftBeside,
                   FormatText(texts::kCannotRename, paths_.override.c_str(), paths_.merge.c_str()), paths_.merge);
            return true;
        }
        keepMerge = true;  // it is the override file now
        Note(OverrideOutcome::Merged, true);
    }
    if (!keepMerge && !files_.Remove(paths_.merge)) {
        output_.Log(FormatText(texts::kCannotRemoveTemporary, paths_.merge.c_str()));
    }
    if (!files_.Remove(paths_.newContent)) {
        output_.Log(FormatText(texts::kCannotRemoveTemporary, paths_.newContent.c_str()));
    }
    return result.changesMade;
}

}  // namespace promptsweep
