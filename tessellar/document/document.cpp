#include "tessellar/document/document.h"

#include "tessellar/program/image/program_loader.h"

namespace document {

Document::Document(std::string temporaryRoot) : workspace_(std::move(temporaryRoot)) {}

bool Document::LoadProgram(const std::string& path, platform::MessageSink& sink) {
    image_ = program::LoadProgram(path, sink);
    programPath_ = image_ ? path : std::string();
    return image_.has_value();
}

overrides::OpenResult Document::OpenOverrideFile(const std::string& path, platform::MessageSink& sink) {
    return workspace_.Open(path, sink);
}

void Document::Close(platform::MessageSink& sink) {
    workspace_.Close(sink);
    image_.reset();
    programPath_.clear();
}

void Document::OpenEntry(model::CScreenModel& model, platform::MessageSink& sink) {
    workspace_.AttachWorkFile(model);
    OpenEntryFromWorkFile(model, inputs_, sink);
}

}  // namespace document
