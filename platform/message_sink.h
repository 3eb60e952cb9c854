#pragma once
// Everything a user must see leaves the core through a MessageSink: the window
// programs show message boxes, the console tools print lines, tests record.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A message box with an OK button; the text is shown as it stands.
    virtual void ShowMessage(std::string_view text) = 0;
    // Console or error output; the text carries its own line ends.
    virtual void WriteOutput(std::string_view text) = 0;
};

// Keeps every text in order of arrival, for tests and for callers that
// decide later where the texts go.
class RecordingMessageSink : public MessageSink {
public:
    void ShowMessage(std::string_view text) override;
    void WriteOutput(std::string_view text) override;

    const std::vector<std::string>& Messages() const { return messages_; }
    const std::string& Output() const { return output_; }
    void Clear();

private:
    std::vector<std::string> messages_;
    std::string output_;
};

// Message boxes become lines on one stream, output goes to another as it is.
class StreamMessageSink : public MessageSink {
public:
    StreamMessageSink(std::ostream& messages, std::ostream& output);
    void ShowMessage(std::string_view text) override;
    void WriteOutput(std::string_view text) override;

private:
    std::ostream& messages_;
    std::ostream& output_;
};

}  // namespace platform
