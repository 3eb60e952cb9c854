#include "tessellar/commands/value_words.h"

#include <charconv>

namespace commands {

std::optional<int> WholeInteger(std::string_view text) {
    int value = 0;
    const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || problem != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<overrides::IntegerPair> WholePair(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const std::optional<int> first = WholeInteger(text.substr(0, comma));
    const std::optional<int> second = WholeInteger(text.substr(comma + 1));
    if (!first || !second) return std::nullopt;
    return overrides::IntegerPair{*first, *second};
}

}  // namespace commands
