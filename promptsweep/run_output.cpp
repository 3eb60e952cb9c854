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
    if (log_) std::fwrite(text.data(), 1, text.size(), log_.get());
}

bool RunOutput::OpenConsoleCopy(const std::string& path) {
    copy_.reset(std::fopen(path.c_str(), "wb"));
    return copy_ != nullptr;
}

bool RunOutput::OpenLog(const std::string& path) {
    log_.reset(std::fopen(path.c_str(), "ab"));
    return log_ != nullptr;
}

void RunOutput::Close() {
    copy_.reset();
    log_.reset();
}

}  // namespace promptsweep
