#include "tessellar/overrides/value_readers.h"

#include <array>
#include <climits>
#include <cstdint>
#include <utility>

#include "platform/line_trim.h"
#include "platform/text_case.h"
#include "tessellar/overrides/line_split.h"
#include "tessellar/overrides/override_texts.h"
#include "tessellar/overrides/trigger_words.h"
#include "tessellar/model/colour_names.h"

namespace overrides {

namespace {

int CodeOf(const TriggerPointName& entry) { return static_cast<int>(entry.point); }
int CodeOf(const TriggerTypeName& entry) { return entry.code; }

template <typename Table>
int CodeOf(const Table& table, std::string_view word, int none) {
    for (const auto& entry : table) {
        if (word == entry.word) return CodeOf(entry);
    }
    return none;
}

template <typename Table>
std::string_view WordOf(const Table& table, int code) {
    for (const auto& entry : table) {
        if (CodeOf(entry) == code) return entry.word;
    }
    return {};
}

}  // namespace

int ReadInteger(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && platform::IsWhiteSpace(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    std::int64_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > std::int64_t{INT_MAX} + 1) value = std::int64_t{INT_MAX} + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}

std::optional<IntegerPair> ReadPair(std::string_view text) {
    const std::size_t firstComma = text.find(',');
    if (firstComma == std::string_view::npos) return std::nullopt;
    const std::size_t lastComma = text.rfind(',');
    return IntegerPair{ReadInteger(text.substr(0, firstComma)), ReadInteger(text.substr(lastComma + 1))};
}

std::optional<IntegerPair> ReadScreenPair(std::string_view text) {
    const std::optional<IntegerPair> pair = ReadPair(text);
    if (!pair || pair->first > kLargestScreenCells || pair->second > kLargestScreenCells) return std::nullopt;
    return pair;
}

bool ReadBoolean(std::string_view trimmedValue) { return trimmedValue == texts::kTrue; }

std::optional<model::ColourPair> ReadColourPair(std::string_view trimmedValue) {
    const auto pair = model::ParseColourPair(trimmedValue);
    if (!pair) return std::nullopt;
    return model::ColourPair{pair->foreground, pair->background};
}

model::AttributeFlags ReadAttributeList(std::string_view value) {
    const model::AttributeFlags prompt = model::TextNamesPrompt(value) ? model::attribute::kBackground : 0;
    return model::TextToAttributes(value) | prompt;
}

DefaultValue ReadDefault(std::string_view trimmedValue, std::string_view rawValue) {
    if (!trimmedValue.empty() && trimmedValue.front() == '"') {
        return {kDefaultLiteral, std::string(Unquote(rawValue))};
    }
    if (trimmedValue == texts::kToday || trimmedValue == texts::kLoginId) {
        return {kDefaultSystemValue, std::string(trimmedValue)};
    }
    return {kDefaultFieldOrNumber, std::string(trimmedValue)};
}

int TriggerPointCode(std::string_view word) { return CodeOf(kTriggerPoints, platform::LowerCased(word), -1); }

std::string_view TriggerPointWord(int code) { return WordOf(kTriggerPoints, code); }

int TriggerTypeCode(std::string_view rawValue) { return CodeOf(kTriggerTypes, rawValue, 0); }

std::string_view TriggerTypeWord(int code) { return WordOf(kTriggerTypes, code); }

}  // namespace overrides
