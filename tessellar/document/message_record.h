#pragma once
// The messages and output a step gave, in order, to be given again when a
// later rebuild starts from what that step left instead of doing it again.
// It passes each on as it comes when given a sink to pass them to.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/message_sink.h"

namespace document {

class MessageRecord : public platform::MessageSink {
public:
    MessageRecord() = default;
    // Keeps what `earlier` holds and passes what comes next on to `out`.
    MessageRecord(const MessageRecord& earlier, platform::MessageSink& out) : given_(earlier.given_), out_(&out) {}

    void ShowMessage(std::string_view text) override {
        given_.emplace_back(true, std::string(text));
        if (out_ != nullptr) out_->ShowMessage(text);
    }
    void WriteOutput(std::string_view text) override {
        given_.emplace_back(false, std::string(text));
        if (out_ != nullptr) out_->WriteOutput(text);
    }

    void Replay(platform::MessageSink& sink) const {
        for (const auto& [message, text] : given_) {
            if (message) {
                sink.ShowMessage(text);
            } else {
                sink.WriteOutput(text);
            }
        }
    }
    // What was given, without the sink it was passed on to.
    MessageRecord Recorded() && {
        MessageRecord recorded;
        recorded.given_ = std::move(given_);
        return recorded;
    }

private:
    std::vector<std::pair<bool, std::string>> given_;  // true: a message; false: output
    platform::MessageSink* out_ = nullptr;
};

}  // namespace document
