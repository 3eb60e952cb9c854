#include "promptsweep/replacement_list.h"

#include <algorithm>
#include <cstring>

#include "platform/message_format.h"
#include "promptsweep/texts.h"

namespace promptsweep {

using platform::FormatText;

namespace {

// The next piece as a 300-byte line buffer takes it: up to 299 characters,
// ending after a line end when one comes first.
std::string_view NextPiece(std::string_view content, std::size_t& position) {
    const std::size_t limit = std::min(content.size() - position, kTextCapacity);
    std::string_view piece = content.substr(position, limit);
    const std::size_t lineEnd = piece.find('\n');
    if (lineEnd != std::string_view::npos) piece = piece.substr(0, lineEnd + 1);
    position += piece.size();
    return piece;
}

// Judges one piece: the find string between quotes 1 and 2, the replace
// string between quotes 3 and 4, one comma between quotes 2 and 3.
bool ParseLine(std::string_view line, ReplacementPair& pair) {
    int quotes = 0;
    int commas = 0;
    for (const char c : line) {
        if (c == '"') {
            ++quotes;
        } else if (quotes == 1) {
            pair.find.push_back(c);
        } else if (quotes == 3) {
            pair.replace.push_back(c);
        } else if (quotes == 2 && c == ',') {
            ++commas;
        }
    }
    return quotes == 4 && commas == 1;
}

// The line as it shows in a message: without the line end it was read with.
std::string_view WithoutLineEnd(std::string_view line) {
    if (line.ends_with('\n')) line.remove_suffix(1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
}

}  // namespace

int FirstOverlongLine(std::string_view content) {
    int number = 1;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = std::min(content.find('\n', start), content.size());
        if (end - start > kMaxListLineLength) return number;
        start = end + 1;
        ++number;
    }
    return 0;
}

ReplacementList ParseReplacementList(std::string_view content) {
    ReplacementList list;
    int errors = 0;
    std::size_t position = 0;
    while (position < content.size()) {
        std::string_view line = NextPiece(content, position);
        // The buffer is a C string: a NUL ends what is judged and printed.
        line = line.substr(0, line.find('\0'));
        ReplacementPair pair;
        if (!ParseLine(line, pair)) {
            list.output += FormatText(texts::kIncorrectPair, std::string(line).c_str());
            ++errors;
        } else if (HoldsLineBreak(pair)) {
            list.output += FormatText(texts::kLineBreakInPair, ShowLineBreaks(WithoutLineEnd(line)).c_str());
            ++errors;
        }
        list.pairs.push_back(std::move(pair));
    }
    if (list.pairs.empty()) ++errors;  // an empty list is an error
    if (errors > 0) {
        list.output += texts::kListHasErrors;
        list.output += texts::kListFormatRequired;
        list.pairs.clear();
        return list;
    }
    list.ok = true;
    return list;
}

}  // namespace promptsweep
