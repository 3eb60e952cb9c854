#pragma once
// Where a run's texts go: the console, the console copy that the front end
// follows while the tool runs, and the run log.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "platform/message_sink.h"
#include "promptsweep/untrusted_files.h"

namespace promptsweep {

class RunOutput {
public:
    explicit RunOutput(platform::MessageSink& console) : console_(console) {}

    // The console only.
    void Console(std::string_view text) { console_.WriteOutput(text); }
    // The console and the console copy, flushed so the front end sees it.
    void Progress(std::string_view text);
    void Log(std::string_view text);

    // Creates the console copy empty; false, with the reason, when it
    // cannot be created. A link or a FIFO in its place is refused.
    bool OpenConsoleCopy(const std::string& path, FileRefusal& refusal);
    bool OpenConsoleCopy(const std::string& path) {
        FileRefusal refusal = FileRefusal::None;
        return OpenConsoleCopy(path, refusal);
    }
    // Opens the run log for appending, refused as the console copy is.
    bool OpenLog(const std::string& path, FileRefusal& refusal);
    bool OpenLog(const std::string& path) {
        FileRefusal refusal = FileRefusal::None;
        return OpenLog(path, refusal);
    }
    // Closes both; false when some text of the run log did not reach it.
    bool Close();

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    platform::MessageSink& console_;
    std::unique_ptr<std::FILE, FileCloser> copy_;
    std::unique_ptr<std::FILE, FileCloser> log_;
    bool logFailed_ = false;
};

// Console output as a message sink, for the loader: its messages end the
// program's console line, so in verbose mode they go to the copy as well.
class ProgressSink : public platform::MessageSink {
public:
    ProgressSink(RunOutput& output, bool verbose) : output_(output), verbose_(verbose) {}
    void ShowMessage(std::string_view text) override { WriteOutput(std::string(text) + "\n"); }
    void WriteOutput(std::string_view text) override {
        if (verbose_) {
            output_.Progress(text);
        } else {
            output_.Console(text);
        }
    }

private:
    RunOutput& output_;
    bool verbose_;
};

}  // namespace promptsweep
