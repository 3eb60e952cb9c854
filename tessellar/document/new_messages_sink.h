#pragma once
// After a command the entry is applied again from its whole section: the
// messages of statements the command did not touch would come again with
// every arrow-key nudge. This sink passes on only the messages that the
// entry's previous apply did not show (each earlier message stands for one
// later one), and keeps all of them for the next time.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_sink.h"

namespace document {

class NewMessagesSink : public platform::MessageSink {
public:
    NewMessagesSink(platform::MessageSink& out, std::vector<std::string> earlier)
        : out_(out), earlier_(std::move(earlier)) {}

    void ShowMessage(std::string_view text) override {
        shown_.emplace_back(text);
        const auto seen = std::find(earlier_.begin(), earlier_.end(), text);
        if (seen != earlier_.end()) {
            earlier_.erase(seen);
            return;
        }
        out_.ShowMessage(text);
    }
    void WriteOutput(std::string_view text) override { out_.WriteOutput(text); }

    // Every message this apply gave, shown now or earlier.
    std::vector<std::string> Shown() && { return std::move(shown_); }

private:
    platform::MessageSink& out_;
    std::vector<std::string> earlier_;
    std::vector<std::string> shown_;
};

}  // namespace document
