#include "tessellar/settings/screen_font.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string>

#include "platform/line_trim.h"

namespace settings {

namespace {

constexpr std::size_t kFieldCount = 6;
constexpr std::size_t kFieldLength = 79;

void ReadInteger(std::string_view field, int& target) {
    field = platform::TrimBlanks(field);
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error == std::errc() && end == field.data() + field.size() && !field.empty()) target = value;
}

}  // namespace

std::optional<model::FontDescription> FontFromFontNorm(std::string_view data) {
    data = data.substr(0, data.find_first_of("\r\n"));
    if (platform::TrimBlanks(data).empty()) return std::nullopt;

    std::array<std::string_view, kFieldCount> fields{};
    std::size_t count = 0;
    while (count < kFieldCount) {
        const std::size_t comma = data.find(',');
        fields[count++] = data.substr(0, comma).substr(0, kFieldLength);
        if (comma == std::string_view::npos) break;
        data.remove_prefix(comma + 1);
    }

    model::FontDescription font;
    if (!platform::TrimBlanks(fields[0]).empty()) font.faceName = std::string(fields[0]);
    int characterSet = font.charSet;
    int pitchAndFamily = font.pitchAndFamily;
    ReadInteger(fields[1], font.height);
    ReadInteger(fields[2], font.weight);
    ReadInteger(fields[3], characterSet);
    ReadInteger(fields[4], pitchAndFamily);
    ReadInteger(fields[5], font.width);
    font.charSet = static_cast<std::uint8_t>(characterSet);
    font.pitchAndFamily = static_cast<std::uint8_t>(pitchAndFamily);
    return font;
}

}  // namespace settings
