#include "platform/held_message_sink.h"

#include <utility>

namespace platform {

void HeldMessageSink::ShowMessage(std::string_view text) {
    if (holding_) {
        held_.emplace_back(text);
        return;
    }
    target_.ShowMessage(text);
}

void HeldMessageSink::Release() {
    holding_ = false;
    // A message box runs its own event loop, which may bring new messages.
    std::vector<std::string> held = std::exchange(held_, {});
    for (const std::string& text : held) target_.ShowMessage(text);
}

}  // namespace platform
