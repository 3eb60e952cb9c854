#include "platform/message_sink.h"

#include <ostream>

namespace platform {

void RecordingMessageSink::ShowMessage(std::string_view text) { messages_.emplace_back(text); }

void RecordingMessageSink::WriteOutput(std::string_view text) { output_.append(text); }

void RecordingMessageSink::Clear() {
    messages_.clear();
    output_.clear();
}

StreamMessageSink::StreamMessageSink(std::ostream& messages, std::ostream& output)
    : messages_(messages), output_(output) {}

void StreamMessageSink::ShowMessage(std::string_view text) {
    messages_ << text << '\n';
    messages_.flush();
}

void StreamMessageSink::WriteOutput(std::string_view text) {
    output_ << text;
    output_.flush();
}

}  // namespace platform
