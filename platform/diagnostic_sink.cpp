#include "platform/diagnostic_sink.h"

#include <ostream>

namespace platform {

std::string DiagnosticLine(std::string_view tool, std::string_view path, std::string_view message) {
    std::string line;
    line.reserve(tool.size() + path.size() + message.size() + 5);
    line.append(tool).append(": ").append(path).append(": ").append(message).push_back('\n');
    return line;
}

std::string UsageLine(std::string_view tool, std::string_view message) {
    std::string line;
    line.reserve(tool.size() + message.size() + 3);
    line.append(tool).append(": ").append(message).push_back('\n');
    return line;
}

DiagnosticSink::DiagnosticSink(std::ostream& stream, std::string tool, std::string path)
    : stream_(stream), tool_(std::move(tool)), path_(std::move(path)) {}

void DiagnosticSink::ShowMessage(std::string_view text) {
    stream_ << DiagnosticLine(tool_, path_, text);
    stream_.flush();
}

void DiagnosticSink::WriteOutput(std::string_view text) {
    stream_ << text;
    stream_.flush();
}

}  // namespace platform
