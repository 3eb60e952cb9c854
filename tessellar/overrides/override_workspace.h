#pragma once
// The override file of an open program and what stands in for it while the
// program is open: the working copy PATH.bck beside the file, and one work
// file per section in this process's work file directory. Commands change
// only the work files; closing deletes them and the working copy.

#include <optional>
#include <string>

#include "platform/message_sink.h"
#include "platform/temp_directory.h"
#include "tessellar/overrides/file_stamp.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/overrides/section_list.h"
#include "tessellar/overrides/work_file_directory.h"

namespace overrides {

enum class OpenResult {
    Opened,          // working copy made and split into work files
    NoOverrideFile,  // no PATH.scf yet: no working copy, no sections
    CopyFailed,      // the file could not be read: no sections
    ReadOnly,        // the working copy could not be made beside the file (the sections
                     // were read from the file itself), or a section's work file could
                     // not be made: nothing may change the file
    NotAnOverrideFile,  // the file is plainly something else: left alone, no sections, no path
};

class OverrideWorkspace {
public:
    // temporaryRoot: TEMP ("TEMP", else "TMPDIR", else the system's own).
    explicit OverrideWorkspace(std::string temporaryRoot = platform::TempDirectory());
    // Deletes whatever work files and working copy are left, silently.
    ~OverrideWorkspace();
    OverrideWorkspace(const OverrideWorkspace&) = delete;
    OverrideWorkspace& operator=(const OverrideWorkspace&) = delete;

    // Copies PATH.scf byte for byte to PATH.bck and splits the copy into
    // one work file per section. A section that cannot get its work file
    // says "open failed on tmp file" on the error output, and the workspace
    // is read-only (WorkFilesProblem says why): a save would lose the
    // section. A file opened before is closed first. When the copy cannot
    // be made (a share the user may not write to, a full disk) the file
    // itself is split and the workspace is read-only; WorkingCopyProblem
    // says why.
    OpenResult Open(const std::string& overrideFilePath, platform::MessageSink& sink);

    // Deletes every work file ("Could not delete file %s" for one that
    // stays), empties the section list and deletes the working copy.
    void Close(platform::MessageSink& sink);

    const std::string& OverridePath() const { return overridePath_; }
    // Opened without a working copy: the file may only be saved elsewhere.
    bool ReadOnly() const { return readOnly_; }
    // The system's reason the working copy could not be made, after ReadOnly.
    const std::string& WorkingCopyProblem() const { return workingCopyProblem_; }
    // The system's reason a section's work file could not be made or
    // written at opening; empty when every one was.
    const std::string& WorkFilesProblem() const { return workFilesProblem_; }
    const std::string& WorkingCopyPath() const { return workingCopyPath_; }
    SectionList& Sections() { return sections_; }
    const SectionList& Sections() const { return sections_; }
    WorkFileDirectory& WorkFiles() { return workFiles_; }
    const WorkFileDirectory& WorkFiles() const { return workFiles_; }

    // Save as: the override file is PATH.scf from now on and its working
    // copy PATH.bck (the old working copy is deleted); work files stay and
    // the workspace is no longer read-only. Not after a work file failed to
    // be made: nothing changes then.
    void Relocate(const std::string& overrideFilePath);

    // Another customiser has the file open for editing (who, in words): the
    // workspace is read-only until Save As or another open.
    void HoldReadOnlyFor(std::string holder) {
        heldBy_ = std::move(holder);
        readOnly_ = true;
    }
    const std::string& HeldBy() const { return heldBy_; }

    // The override file as it was read at opening (or last saved, or found
    // at Save As); nothing when it could not be read.
    const std::optional<FileStamp>& Stamp() const { return stamp_; }
    void SetStamp(FileStamp stamp) { stamp_ = stamp; }

    // Gives an entry the work file of its section, or none.
    void AttachWorkFile(model::CScreenModel& model) const;

private:
    WorkFileDirectory workFiles_;
    SectionList sections_;
    std::string overridePath_;
    std::string workingCopyPath_;
    std::string workingCopyProblem_;
    std::string workFilesProblem_;
    std::optional<FileStamp> stamp_;
    std::string heldBy_;
    bool readOnly_ = false;
};

// PATH.bck for PATH.scf (the extension replaced, or added when there is none).
std::string WorkingCopyPathFor(const std::string& overrideFilePath);

}  // namespace overrides
