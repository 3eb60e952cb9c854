#include "tessellar/overrides/line_split.h"

#include "platform/line_trim.h"
#include "platform/text_case.h"

namespace overrides {

SplitLineResult SplitLine(std::string_view line) {
    const std::size_t equals = line.find('=');
    const std::string_view key = line.substr(0, equals);
    const std::string_view value = equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
    return {platform::LowerCased(platform::TrimControls(key).substr(0, kMatchLength)),
            std::string(platform::TrimControls(value).substr(0, kMatchLength))};
}

std::string_view RawValue(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    std::string_view value = line.substr(equals + 1);
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
    const std::size_t newline = value.find('\n');
    return value.substr(0, newline);
}

std::string_view Unquote(std::string_view value) {
    if (value.empty() || value.front() != '"') return value;
    value.remove_prefix(1);
    const std::size_t lastQuote = value.rfind('"');
    return lastQuote == std::string_view::npos ? value : value.substr(0, lastQuote);
}

}  // namespace overrides
