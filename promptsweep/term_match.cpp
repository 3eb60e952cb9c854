#include "promptsweep/term_match.h"

#include <algorithm>

#include "platform/text_capacity.h"

namespace promptsweep {

namespace {

bool IsBeforeSeparator(char c) {
    return c == ' ' || c == '\t' || c == '-' || c == ';' || c == ',' || c == ':' || c == '.' || c == '#' ||
           c == '<';
}

bool IsAfterSeparator(char c) {
    return c == ' ' || c == '\t' || c == '-' || c == ';' || c == ',' || c == ':' || c == '.' || c == '#' ||
           c == '>';
}

// Replaces every term match of one pair, scanning the text once.
std::string ReplaceOnePair(std::string_view text, const ReplacementPair& pair) {
    const std::string_view find = pair.find;
    std::string result;
    std::size_t position = 0;
    while (position < text.size()) {
        const Occurrence occurrence = JudgeFirstOccurrence(text, find, position);
        std::size_t copyEnd;
        if (occurrence.matches) {
            result.append(text.substr(position, occurrence.position - position));
            result.append(pair.replace);
            position = occurrence.position + find.size();
            continue;
        }
        if (occurrence.position != std::string_view::npos && occurrence.position > position) {
            // Through the occurrence and one character more.
            copyEnd = occurrence.position + find.size() + 1;
        } else {
            copyEnd = position + find.size() + 1;
        }
        copyEnd = std::min(copyEnd, text.size());
        result.append(text.substr(position, copyEnd - position));
        position = copyEnd;
    }
    return result;
}

}  // namespace

Occurrence JudgeFirstOccurrence(std::string_view text, std::string_view find, std::size_t from) {
    Occurrence occurrence;
    if (find.empty() || from > text.size()) return occurrence;
    occurrence.position = text.find(find, from);
    if (occurrence.position == std::string_view::npos) return occurrence;
    if (text.substr(from) == find) {
        occurrence.matches = true;
        return occurrence;
    }
    // The text is judged with one blank appended: a term at its very end is
    // followed by a blank.
    const std::size_t afterIndex = occurrence.position + find.size();
    const char after = afterIndex < text.size() ? text[afterIndex] : ' ';
    if (occurrence.position == 0) {
        occurrence.matches = IsAfterSeparator(after);
    } else {
        occurrence.matches = IsBeforeSeparator(text[occurrence.position - 1]) && IsAfterSeparator(after);
    }
    return occurrence;
}

std::string ReplaceTerms(std::string_view text, const PairList& pairs) {
    // Each pair's output is held in a text slot, so it is cut before the
    // next pair reads it.
    std::string result = platform::CutText(text, kTextCapacity);
    for (const ReplacementPair& pair : pairs) result = platform::CutText(ReplaceOnePair(result, pair), kTextCapacity);
    return result;
}

}  // namespace promptsweep
