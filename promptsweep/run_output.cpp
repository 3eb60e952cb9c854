#include "promptsweep/run_output.h"

namespace promptsweep {

void RunOutput::Progress(std::string_view text) {
    console_.WriteOutput(text);
    if (copy_) {
        std::fwrite(text.data(), 1, text.size(), copy_.get());
        std::fflush(copy_.get());
    }
}

void RunOutput::Log(std::string_view text) {
    if (log_ && std::fwrite(text.data(), 1, text.size(), log_.get()) != text.size()) logFailed_ = true;
}

bool RunOutput::OpenConsoleCopy(const std::string& path, FileRefusal& refusal) {
    copy_.reset(OpenRegularForWriting(path, WriteOpening::Truncate, refusal));
    return copy_ != nullptr;
}

bool RunOutput::OpenLog(const std::string& path, FileRefusal& refusal) {
    log_.reset(OpenRegularForWriting(path, WriteOpening::Append, refusal));
    logFailed_ = false;
    return log_ != nullptr;
}

bool RunOutput::Close() {
    copy_.reset();
    if (log_ && std::fclose(log_.release()) != 0) logFailed_ = true;
    return !logFailed_;
}

}  // namespace promptsweep
