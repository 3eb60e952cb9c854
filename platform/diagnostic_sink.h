#pragma once
// The one shape of a console tool's diagnostics: "tool: PATH: message", one
// line each, so a user (or a script) can tell which tool spoke about which file.

#include <iosfwd>
#include <string>
#include <string_view>

#include "platform/message_sink.h"

namespace platform {

// "tool: PATH: message" and a line end.
std::string DiagnosticLine(std::string_view tool, std::string_view path, std::string_view message);
// "tool: message" and a line end, for what concerns no file (a usage mistake).
std::string UsageLine(std::string_view tool, std::string_view message);

// Every message about one file becomes a diagnostic line on the stream;
// output goes on as it is.
class DiagnosticSink : public MessageSink {
public:
    DiagnosticSink(std::ostream& stream, std::string tool, std::string path);
    void ShowMessage(std::string_view text) override;
    void WriteOutput(std::string_view text) override;

private:
    std::ostream& stream_;
    std::string tool_;
    std::string path_;
};

}  // namespace platform
