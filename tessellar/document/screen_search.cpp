#include "tessellar/document/screen_search.h"

#include <cstddef>

#include "platform/text_case.h"

namespace document {
namespace {

bool IsWordCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool MatchesAt(std::string_view searched, std::size_t position, std::string_view text, bool matchCase) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char a = searched[position + i];
        const char b = text[i];
        if (matchCase ? a != b : platform::LowerCasedAscii(a) != platform::LowerCasedAscii(b)) return false;
    }
    return true;
}

}  // namespace

bool TextMatches(std::string_view searched, std::string_view text, const SearchOptions& options) {
    if (text.empty() || text.size() > searched.size()) return false;
    for (std::size_t position = 0; position + text.size() <= searched.size(); ++position) {
        if (!MatchesAt(searched, position, text, options.matchCase)) continue;
        if (!options.wholeWord) return true;
        const std::size_t end = position + text.size();
        const bool startsWord = position == 0 || !IsWordCharacter(searched[position - 1]);
        const bool endsWord = end == searched.size() || !IsWordCharacter(searched[end]);
        if (startsWord && endsWord) return true;
    }
    return false;
}

bool ScreenContainsText(const model::CScreenModel& screen, std::string_view text, const SearchOptions& options) {
    const auto matches = [&](const model::TrackedText& value) {
        return TextMatches(value.Current(), text, options);
    };
    if (matches(screen.Title())) return true;
    for (const auto& item : screen.Displays()) {
        if (matches(item.text)) return true;
    }
    for (const auto& item : screen.Accepts()) {
        if (matches(item.title)) return true;
    }
    for (const auto& item : screen.Options()) {
        if (matches(item.label)) return true;
    }
    for (const auto& item : screen.Modes()) {
        if (matches(item.label)) return true;
    }
    for (const auto& item : screen.Boxes()) {
        if (matches(item.title)) return true;
    }
    for (const auto& item : screen.Confirms()) {
        if (matches(item.question)) return true;
    }
    for (const auto& item : screen.Messages()) {
        if (matches(item.text)) return true;
    }
    return false;
}

}  // namespace document
