#include "promptsweep/override_lines.h"

#include "platform/line_trim.h"
#include "tessellar/overrides/override_words.h"

namespace promptsweep {

namespace words = overrides::texts;

std::string_view LineText(std::string_view line) { return platform::TrimControls(line.substr(0, line.find('\0'))); }

std::string_view FirstWord(std::string_view line) {
    return line.substr(0, line.find_first_of(" \t\r\n"));
}

bool IsSectionLine(std::string_view trimmed) {
    const std::string_view word = FirstWord(trimmed);
    return word == words::kScreen || word == words::kMenu || word == words::kProcedure;
}

bool IsItemKeywordLine(std::string_view trimmed) {
    for (const std::string_view keyword : words::kItemKeywords) {
        if (trimmed == keyword) return true;
    }
    return false;
}

bool IsIdentificationLine(std::string_view trimmed) {
    const std::string_view word = FirstWord(trimmed);
    return word == words::kOrigText || word == words::kName;
}

bool IsCoordinateLine(std::string_view trimmed) {
    const std::string_view word = FirstWord(trimmed);
    return word == words::kOrigCoordinate || word == "orig_coordinates";
}

ValueLine ValueLineKind(std::string_view trimmed) {
    const std::string_view word = FirstWord(trimmed);
    if (word == words::kText) return ValueLine::Text;
    if (word == words::kTitle) return ValueLine::Title;
    if (word == words::kHelpline) return ValueLine::Helpline;
    return ValueLine::None;
}

}  // namespace promptsweep
