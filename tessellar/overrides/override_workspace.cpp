#include "tessellar/overrides/override_workspace.h"

#include <array>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

#include "platform/file_replace.h"
#include "platform/message_format.h"
#include "platform/scratch_faults.h"
#include "tessellar/overrides/block_update.h"
#include "tessellar/overrides/override_file_check.h"
#include "tessellar/overrides/override_texts.h"
#include "tessellar/overrides/section_lines.h"

namespace overrides {

namespace {

constexpr std::size_t kCopyBlock = 512;

enum class CopyResult { Copied, NoSource, SourceFailed, TargetFailed };

// An override file whose own name ends in ".bck" would be its own working
// copy, and truncating the copy would empty the user's file.
bool SameFile(const std::string& first, const std::string& second) {
    std::error_code error;
    if (std::filesystem::equivalent(first, second, error)) return true;
    return std::filesystem::path(first).lexically_normal() == std::filesystem::path(second).lexically_normal();
}

// The system's reason for the last failed call, as the user should read it.
std::string SystemReason() { return std::generic_category().message(errno); }

CopyResult CopyInBlocks(const std::string& from, const std::string& to, std::string& problem) {
    std::ifstream in(from, std::ios::binary);
    if (!in) {
        std::error_code error;
        return std::filesystem::exists(from, error) ? CopyResult::SourceFailed : CopyResult::NoSource;
    }
    errno = 0;
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    if (!out) {
        problem = SystemReason();
        return CopyResult::TargetFailed;
    }
    std::array<char, kCopyBlock> block;
    while (in) {
        in.read(block.data(), block.size());
        out.write(block.data(), in.gcount());
    }
    out.flush();
    const bool readFailed = in.bad();
    const bool writeFailed = !out;
    if (writeFailed) problem = SystemReason();
    if (readFailed || writeFailed) {
        out.close();
        std::error_code ignored;
        std::filesystem::remove(to, ignored);
        return readFailed ? CopyResult::SourceFailed : CopyResult::TargetFailed;
    }
    return CopyResult::Copied;
}

// Writes each section's body into its work file; a later section of the
// same name starts the file again. A body is written whole when its section
// ends, and every write is checked: a work file that cannot be made or
// written loses nothing as long as the document does not change or save
// the file, so the first failure is kept to make the workspace read-only.
class WorkFileWriter : public SectionVisitor {
public:
    WorkFileWriter(WorkFileDirectory& directory, SectionList& sections, platform::MessageSink& sink)
        : directory_(directory), sections_(sections), sink_(sink) {}

    void BeginSection(SectionKind kind, const std::string& name) override {
        Finish();
        const std::string path = directory_.FilePath(name, static_cast<int>(kind), texts::kWorkFileExtension);
        if (path.empty()) Failed();
        current_ = &sections_.FindOrAdd(name, kind);
        current_->workFilePath = path;
        body_.clear();
    }

    void BodyLine(std::string_view line) override {
        if (current_ != nullptr && !current_->workFilePath.empty()) body_.append(line);
    }

    // Writes the last section; the first failure's reason, or empty.
    const std::string& Finish() {
        if (current_ != nullptr && !current_->workFilePath.empty() &&
            !platform::ReplaceScratchFile(current_->workFilePath, body_)) {
            Failed();
            current_->workFilePath.clear();
        }
        current_ = nullptr;
        body_.clear();
        return problem_;
    }

private:
    void Failed() {
        if (problem_.empty()) problem_ = platform::SystemReason();
        sink_.WriteOutput(texts::kOpenFailedOnTmpFile);
    }

    WorkFileDirectory& directory_;
    SectionList& sections_;
    platform::MessageSink& sink_;
    SectionEntry* current_ = nullptr;
    std::string body_;
    std::string problem_;
};

}  // namespace

std::string WorkingCopyPathFor(const std::string& overrideFilePath) {
    return SiblingPath(overrideFilePath, texts::kWorkingCopyExtension);
}

OverrideWorkspace::OverrideWorkspace(std::string temporaryRoot) : workFiles_(std::move(temporaryRoot)) {}

OverrideWorkspace::~OverrideWorkspace() {
    platform::RecordingMessageSink ignored;
    Close(ignored);
}

OpenResult OverrideWorkspace::Open(const std::string& overrideFilePath, platform::MessageSink& sink) {
    // Another file opened in its place leaves no work files of the first behind.
    if (!sections_.Empty() || !workingCopyPath_.empty() || !overridePath_.empty()) Close(sink);
    overridePath_ = overrideFilePath;
    workingCopyPath_ = WorkingCopyPathFor(overrideFilePath);
    if (SameFile(overridePath_, workingCopyPath_)) {
        workingCopyPath_.clear();
        return OpenResult::CopyFailed;
    }
    // A program or a README named as the override file would be replaced
    // by a header line at the first save.
    if (PlainlyNotAnOverrideFile(overridePath_)) {
        overridePath_.clear();
        workingCopyPath_.clear();
        return OpenResult::NotAnOverrideFile;
    }
    stamp_ = TakeFileStamp(overridePath_);
    std::string splitFrom = workingCopyPath_;
    switch (CopyInBlocks(overridePath_, workingCopyPath_, workingCopyProblem_)) {
        case CopyResult::NoSource: return OpenResult::NoOverrideFile;
        case CopyResult::SourceFailed: return OpenResult::CopyFailed;
        case CopyResult::TargetFailed:
            // The screens still show the site's customisations; only saving
            // elsewhere is left to the user.
            workingCopyPath_.clear();
            splitFrom = overridePath_;
            readOnly_ = true;
            break;
        case CopyResult::Copied: break;
    }
    bool readWhole = false;
    {
        std::ifstream in(splitFrom, std::ios::binary);
        WorkFileWriter writer(workFiles_, sections_, sink);
        SplitSections(in, writer);
        readWhole = in.is_open() && !in.bad();
        workFilesProblem_ = writer.Finish();
    }
    // Sections cut short by a read error would be saved over the user's file.
    if (!readWhole) {
        Close(sink);
        return OpenResult::CopyFailed;
    }
    // A section without its work file would be missing from the next save.
    if (!workFilesProblem_.empty()) readOnly_ = true;
    return readOnly_ ? OpenResult::ReadOnly : OpenResult::Opened;
}

void OverrideWorkspace::Close(platform::MessageSink& sink) {
    for (const SectionEntry& entry : sections_.Entries()) {
        if (entry.workFilePath.empty()) continue;
        if (!platform::RemoveFile(entry.workFilePath)) {
            sink.ShowMessage(platform::FormatText(texts::kCouldNotDeleteFile, entry.workFilePath.c_str()));
        }
    }
    sections_.Clear();
    if (!workingCopyPath_.empty()) platform::RemoveFile(workingCopyPath_);
    workingCopyPath_.clear();
    overridePath_.clear();
    workingCopyProblem_.clear();
    workFilesProblem_.clear();
    stamp_.reset();
    heldBy_.clear();
    readOnly_ = false;
    workFiles_.RemoveIfEmpty();
}

void OverrideWorkspace::Relocate(const std::string& overrideFilePath) {
    // Work files that could not be made stay missing under any name.
    if (!workFilesProblem_.empty()) return;
    const std::string workingCopy = WorkingCopyPathFor(overrideFilePath);
    if (!workingCopyPath_.empty() && workingCopyPath_ != workingCopy) platform::RemoveFile(workingCopyPath_);
    overridePath_ = overrideFilePath;
    // The file there now is the one Save As was told to replace.
    stamp_ = TakeFileStamp(overridePath_);
    workingCopyPath_ = SameFile(overridePath_, workingCopy) ? std::string() : workingCopy;
    heldBy_.clear();
    readOnly_ = false;
    workingCopyProblem_.clear();
}

void OverrideWorkspace::AttachWorkFile(model::CScreenModel& model) const {
    model.SetOverridePath(sections_.WorkFileOf(model.Name(), static_cast<SectionKind>(model.Kind())));
}

}  // namespace overrides
