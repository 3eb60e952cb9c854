#pragma once
// Where a run's texts go: the console, the console copy that the front end
// follows while the tool runs, and the run log.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "platform/message_sink.h"

namespace promptsweep {

class RunOutput {
public:
    explicit RunOutput(platform::MessageSink& console) : console_(console) {}

    // The console only.
    void Console(std::string_view text) { console_.WriteOutput(text); }
    // The console and the console copy, flushed so the front end sees it.
    void Progress(std::string_view text);
    void Log(std::string_view text);

    // Creates the console copy empty; false when it cannot be created.
    bool OpenConsoleCopy(const std::string& path);
    // Opens the run log for appending; false when it cannot be opened.
    bool OpenLog(const std::string& path);
    void Close();

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    platform::MessageSink& console_;
    std::unique_ptr<std::FILE, FileCloser> copy_;
    std::unique_ptr<std::FILE, FileCloser> log_;
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
