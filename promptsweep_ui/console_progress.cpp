#include "promptsweep_ui/console_progress.h"

#include <algorithm>
#include <cctype>

#include "platform/native_path.h"
#include "promptsweep_ui/ui_texts.h"

namespace sweepui {

bool IsFinishedLine(std::string_view line) {
    const std::string_view marker = texts::kFinishedMarker;
    const auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    return std::search(line.begin(), line.end(), marker.begin(), marker.end(),
                       [&](char a, char b) { return lower(a) == lower(b); }) != line.end();
}

ConsoleProgress::ConsoleProgress(std::string startDirectory) : startDirectory_(std::move(startDirectory)) {
    if (!startDirectory_.empty() && !platform::IsPathSeparator(startDirectory_.back())) {
        startDirectory_.push_back(platform::kNativeSeparator);
    }
}

void ConsoleProgress::Take(std::string_view line) {
    if (IsFinishedLine(line)) {
        finishedSeen_ = true;
    } else if (!startDirectory_.empty() && line.starts_with(startDirectory_)) {
        ++programs_;
    }
}

}  // namespace sweepui
