#include "tessellar/model/colour_names.h"

#include <cstdint>
#include <string>

#include "platform/line_trim.h"
#include "platform/text_case.h"

namespace model {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string FirstWordLowerCased(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && platform::IsBlank(text[begin])) ++begin;
    std::size_t end = begin;
    while (end < text.size() && !platform::IsBlank(text[end])) ++end;
    return platform::LowerCased(text.substr(begin, end - begin));
}

// A word that starts with a digit reads as a decimal number up to its first
// other character; a number too large for a signed 32-bit value counts as
// negative and so as no colour. The low three bits of each byte are cleared.
std::optional<Colour> ColourFromNumber(std::string_view word) {
    if (word.empty() || !IsDigit(word.front())) return std::nullopt;
    std::int64_t number = 0;
    for (char c : word) {
        if (!IsDigit(c)) break;
        number = number * 10 + (c - '0');
        if (number > INT32_MAX) return std::nullopt;
    }
    return static_cast<Colour>(number) & 0xF8F8F8u;
}

std::optional<Colour> ResolveColourWord(std::string_view text) {
    const std::string word = FirstWordLowerCased(text);
    if (auto named = ColourFromName(word)) return named;
    return ColourFromNumber(word);
}

}  // namespace

std::optional<Colour> ColourFromName(std::string_view name) {
    for (const NamedColour& colour : kColourNames) {
        if (colour.name == name) return colour.value;
    }
    return std::nullopt;
}

int ColourValueToIndex(Colour value) {
    for (std::size_t index = 0; index < kColourNames.size(); ++index) {
        if (kColourNames[index].value == value) return static_cast<int>(index);
    }
    return -1;
}


std::optional<ColourPair> ParseColourPair(std::string_view text) {
    const std::size_t slash = text.find('/');
    const std::string_view foregroundText = text.substr(0, slash);
    const std::string_view backgroundText =
        slash == std::string_view::npos ? std::string_view() : text.substr(slash + 1);

    const auto foreground = ResolveColourWord(foregroundText);
    if (!foreground) return std::nullopt;
    return ColourPair{*foreground, ResolveColourWord(backgroundText).value_or(colour::kSilver)};
}

}  // namespace model
