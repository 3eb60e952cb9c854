// promptsweep: replaces prompt texts across a tree of compiled programs by
// writing or merging their override files.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "promptsweep/file_operations.h"
#include "promptsweep/sweep.h"

namespace {

class StandardOutput : public platform::MessageSink {
public:
    void ShowMessage(std::string_view text) override {
        WriteOutput(text);
        WriteOutput("\n");
    }
    void WriteOutput(std::string_view text) override { std::fwrite(text.data(), 1, text.size(), stdout); }
};

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv, argv + argc);
    StandardOutput console;
    promptsweep::FileOperations files;
    const int status = promptsweep::RunSweep(arguments, console, files);
    std::fflush(stdout);
    return status;
}
