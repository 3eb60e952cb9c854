#include "promptsweep_ui/start_up.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>

#include "promptsweep_ui/form_options.h"
#include "promptsweep_ui/ui_texts.h"

namespace sweepui {

bool HasDebugWord(const std::vector<std::string>& arguments) {
    const std::string word = texts::kDebugWord;
    return std::any_of(arguments.begin(), arguments.end(), [&](std::string argument) {
        std::transform(argument.begin(), argument.end(), argument.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return argument.find(word) != std::string::npos;
    });
}

bool TipIsOn(const std::optional<std::string>& value) {
    return !value || Trimmed(*value) != texts::kTipOff;
}

std::string ListFileDirectory(const std::string& programDirectory, const std::string& userDataDirectory) {
    if (!programDirectory.empty() && access(programDirectory.c_str(), W_OK) == 0) return programDirectory;
    return userDataDirectory;
}

}  // namespace sweepui
