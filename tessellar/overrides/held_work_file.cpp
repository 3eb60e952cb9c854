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
    if (!text_) return true;
    const std::string& text = WholeText();
    if (text == original_) return true;
    if (!platform::ReplaceScratchFile(path_, text)) {
        const int reason = errno;  // for the caller's message, whatever the sink does
        sink.WriteOutput(texts::kOpenFailedOnTmpFile);
        errno = reason;
        return false;
    }
    original_ = text;
    return true;
}

HeldWorkFile* HeldWorkFile::Of(const std::string& path) {
    for (HeldWorkFile* file = held; file != nullptr; file = file->previous_) {
        if (file->text_ && file->path_ == path) return file;
    }
    return nullptr;
}

std::string* HeldWorkFile::Find(const std::string& path) {
    HeldWorkFile* file = Of(path);
    return file != nullptr ? &file->WholeText() : nullptr;
}

BlockIndex* HeldWorkFile::Blocks() {
    if (blocks_ || !text_ || blocksRefused_) return blocks_.get();
    // A pass of the whole text may yet make it indexable (line ends read as "\n").
    if (!BlockIndex::Indexable(*text_)) return nullptr;
    blocks_ = std::make_unique<BlockIndex>(std::move(*text_));
    text_->clear();
    return blocks_.get();
}

std::string& HeldWorkFile::WholeText() {
    if (blocks_) {
        *text_ = blocks_->Text();
        blocks_.reset();
    }
    return *text_;
}

std::string& HeldWorkFile::GiveUpBlocks() {
    blocksRefused_ = true;
    return WholeText();
}

}  // namespace overrides
