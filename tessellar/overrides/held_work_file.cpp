#include "tessellar/overrides/held_work_file.h"

#include <cerrno>

#include "platform/file_replace.h"
#include "tessellar/overrides/line_reader.h"
#include "tessellar/overrides/override_texts.h"

namespace overrides {

namespace {

thread_local HeldWorkFile* held = nullptr;

}  // namespace

HeldWorkFile::HeldWorkFile(std::string path) : path_(std::move(path)) {
    if (!path_.empty()) text_ = ReadOverrideText(path_);
    if (text_) original_ = *text_;
    previous_ = held;
    held = this;
}

HeldWorkFile::~HeldWorkFile() { held = previous_; }

bool HeldWorkFile::Write(platform::MessageSink& sink) {
    if (!text_ || *text_ == original_) return true;
    if (!platform::ReplaceScratchFile(path_, *text_)) {
        const int reason = errno;  // for the caller's message, whatever the sink does
        sink.WriteOutput(texts::kOpenFailedOnTmpFile);
        errno = reason;
        return false;
    }
    original_ = *text_;
    return true;
}

std::string* HeldWorkFile::Find(const std::string& path) {
    for (HeldWorkFile* file = held; file != nullptr; file = file->previous_) {
        if (file->text_ && file->path_ == path) return &*file->text_;
    }
    return nullptr;
}

}  // namespace overrides
