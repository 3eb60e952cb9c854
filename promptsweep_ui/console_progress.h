#pragma once
// What the console copy's lines say about a run: how many programs the tool
// has reached and whether it has finished its walk.

#include <string>
#include <string_view>

namespace sweepui {

class ConsoleProgress {
public:
    // Every program's line starts with its path, so with the directory the
    // tool was given to walk.
    explicit ConsoleProgress(std::string startDirectory);

    void Take(std::string_view line);

    int Programs() const { return programs_; }
    bool FinishedSeen() const { return finishedSeen_; }

private:
    std::string startDirectory_;
    int programs_ = 0;
    bool finishedSeen_ = false;
};

// A line that holds "Process Finished" in any case.
bool IsFinishedLine(std::string_view line);

}  // namespace sweepui
