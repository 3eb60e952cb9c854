#include "platform/message_tone.h"

#include <array>
#include <string>

#include "platform/text_case.h"

namespace platform {

bool ReadsAsWarning(std::string_view text) {
    static constexpr std::array<std::string_view, 16> kWarningWords = {
        "sorry",   "could not", "couldn't", "can't",     "can not",  "cannot",  "unable",  "invalid",
        "error",   "failed",    "not exist", "not allowed", "denied", "damaged", "refused", "not available"};
    const std::string lower = LowerCased(text);
    for (std::string_view word : kWarningWords) {
        if (lower.find(word) != std::string::npos) return true;
    }
    return false;
}

}  // namespace platform
