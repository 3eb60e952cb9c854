#include "tessellar/model/attribute_flags.h"

#include <algorithm>
#include <array>

#include "tessellar/model/model_texts.h"

namespace model {

namespace {

struct AttributeWord {
    const char* word;
    AttributeFlags flag;
    bool AttributeRecord::*field;
};

// The order of the word text and of the property page record.
constexpr std::array<AttributeWord, 12> kWords = {{
    {texts::kBold, attribute::kBold, &AttributeRecord::bold},
    {texts::kBackground, attribute::kBackground, &AttributeRecord::background},
    {texts::kBlink, attribute::kBlink, &AttributeRecord::blink},
    {texts::kUnderline, attribute::kUnderline, &AttributeRecord::underline},
    {texts::kInverse, attribute::kInverse, &AttributeRecord::inverse},
    {texts::kFixed, attribute::kFixed, &AttributeRecord::fixed},
    {texts::kItalic, attribute::kItalic, &AttributeRecord::italic},
    {texts::kLeft, attribute::kLeft, &AttributeRecord::left},
    {texts::kCenter, attribute::kCenter, &AttributeRecord::center},
    {texts::kRight, attribute::kRight, &AttributeRecord::right},
    {texts::kSunken, attribute::kSunken, &AttributeRecord::sunken},
    {texts::kBorder, attribute::kBorder, &AttributeRecord::border},
}};

// "prompt" names the prompt mark, which is no attribute bit.
AttributeFlags FlagOfWord(std::string_view item) {
    for (const AttributeWord& word : kWords) {
        if (item == word.word) return word.flag;
    }
    return 0;
}

}  // namespace

std::string AttributesToText(AttributeFlags flags, bool prompt) {
    std::string text;
    auto append = [&text](const char* word) {
        if (!text.empty()) text += texts::kAttributeSeparator;
        text += word;
    };
    for (const AttributeWord& word : kWords) {
        if (flags & word.flag) append(word.word);
    }
    if (prompt) append(texts::kPrompt);
    return text;
}

namespace {

// Calls `visit` with each item of a word list, as TextToAttributes reads it.
template <typename Visit>
void ForEachAttributeItem(std::string_view text, Visit visit) {
    text = text.substr(0, std::min(text.find('\n'), text.find('\r')));
    if (const std::size_t comment = text.find(texts::kAttributeComment); comment != std::string_view::npos) {
        // The blanks that set a comment off belong to the comment.
        text = text.substr(0, comment);
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    }
    while (true) {
        const std::size_t comma = text.find(',');
        visit(text.substr(0, comma));
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
}

}  // namespace

AttributeFlags TextToAttributes(std::string_view text) {
    AttributeFlags flags = 0;
    ForEachAttributeItem(text, [&flags](std::string_view item) { flags |= FlagOfWord(item); });
    return flags;
}

bool TextNamesPrompt(std::string_view text) {
    bool prompt = false;
    ForEachAttributeItem(text, [&prompt](std::string_view item) { prompt = prompt || item == texts::kPrompt; });
    return prompt;
}

std::vector<std::string> UnknownAttributeWords(std::string_view text) {
    std::vector<std::string> unknown;
    ForEachAttributeItem(text, [&unknown](std::string_view item) {
        if (!item.empty() && item != texts::kPrompt && FlagOfWord(item) == 0) unknown.emplace_back(item);
    });
    return unknown;
}

AttributeRecord AttributesToRecord(AttributeFlags flags) {
    AttributeRecord record;
    for (const AttributeWord& word : kWords) record.*word.field = (flags & word.flag) != 0;
    return record;
}

AttributeFlags RecordToAttributes(const AttributeRecord& record) {
    AttributeFlags flags = 0;
    for (const AttributeWord& word : kWords) {
        if (record.*word.field) flags |= word.flag;
    }
    return flags;
}

}  // namespace model
