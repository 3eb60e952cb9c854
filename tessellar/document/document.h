#pragma once
// An open program and its override file, as the customiser holds them while
// a user works: the program image, the override file's working copy and
// section work files, and what entries are decoded with. The window and the
// command-line customiser each own one; the browser pages that list the
// program's entries own the screen models.

#include <optional>
#include <string>

#include "platform/message_sink.h"
#include "platform/temp_directory.h"
#include "tessellar/document/entry_opening.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/overrides/override_workspace.h"
#include "tessellar/program/image/program_image.h"

namespace document {

class Document {
public:
    // temporaryRoot: where the section work files go ("TEMP", else "TMPDIR", else /tmp).
    explicit Document(std::string temporaryRoot = platform::TempDirectory());
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Loads a compiled program in place of the open one; the loader's
    // messages reach the sink. On failure the document holds no program.
    bool LoadProgram(const std::string& path, platform::MessageSink& sink);
    // Opens an override file: the working copy and one work file per
    // section (a file opened before is closed first).
    overrides::OpenResult OpenOverrideFile(const std::string& path, platform::MessageSink& sink);
    // Closes the override file (work files and working copy deleted) and
    // releases the program. Views must drop their models first.
    void Close(platform::MessageSink& sink);

    bool HasProgram() const { return image_.has_value(); }
    const program::ProgramImage* Image() const { return image_ ? &*image_ : nullptr; }
    const std::string& ProgramPath() const { return programPath_; }

    overrides::OverrideWorkspace& Workspace() { return workspace_; }
    const overrides::OverrideWorkspace& Workspace() const { return workspace_; }

    const EntryInputs& Inputs() const { return inputs_; }
    void SetInputs(EntryInputs inputs) { inputs_ = std::move(inputs); }

    // Opens an entry for showing and editing: decodes it on first use, gives
    // it its section work file and applies that section.
    void OpenEntry(model::CScreenModel& model, platform::MessageSink& sink);

private:
    overrides::OverrideWorkspace workspace_;
    std::optional<program::ProgramImage> image_;
    std::string programPath_;
    EntryInputs inputs_;
};

}  // namespace document
