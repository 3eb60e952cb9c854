#pragma once
// Passes messages on to another sink, or holds the message boxes back while
// told to and shows them, in order, once released. The window holds its
// messages while it starts, so that none comes up before the window itself.

#include <string>
#include <string_view>
#include <vector>

#include "platform/message_sink.h"

namespace platform {

class HeldMessageSink : public MessageSink {
public:
    explicit HeldMessageSink(MessageSink& target) : target_(target) {}

    void ShowMessage(std::string_view text) override;
    // Output lines are not modal: they always pass at once.
    void WriteOutput(std::string_view text) override { target_.WriteOutput(text); }

    void Hold() { holding_ = true; }
    // Shows what was held back; messages these raise pass at once.
    void Release();
    bool Holding() const { return holding_; }

private:
    MessageSink& target_;
    std::vector<std::string> held_;
    bool holding_ = false;
};

}  // namespace platform
