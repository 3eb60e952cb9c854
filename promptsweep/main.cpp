// promptsweep: replaces prompt texts across a tree of compiled programs by
// writing or merging their override files.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "promptsweep/file_operations.h"
#include "promptsweep/sweep.h"

namespace {

class StandardStream : public platform::MessageSink {
public:
    explicit StandardStream(std::FILE* stream) : stream_(stream) {}
    void ShowMessage(std::string_view text) override {
        WriteOutput(text);
        WriteOutput("\n");
    }
    void WriteOutput(std::string_view text) override { std::fwrite(text.data(), 1, text.size(), stream_); }

private:
    std::FILE* stream_;
};

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv, argv + argc);
    StandardStream console(stdout);
    StandardStream errors(stderr);
    promptsweep::FileOperations files;
    const int status = promptsweep::RunSweep(arguments, console, errors, files);
    std::fflush(stdout);
    return status;
}
