#pragma once
// The lines of one block as applying read them: where it starts, which line
// gave each key, and what the parser refused or cut on which line.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tessellar/overrides/line_notes.h"

namespace checks {

struct KeyLine {
    std::string_view key;  // one of the overrides::texts keys
    std::size_t line = 0;
    std::string value;     // as written after the key and its '=', blanks around it dropped
};

struct NotedLine {
    std::size_t line = 0;
    overrides::LineNotes notes;
};

struct BlockRecord {
    std::size_t line = 0;         // the keyword line; 0 for the lines before the first keyword
    std::vector<KeyLine> keys;    // in file order, a key given twice listed twice
    std::vector<NotedLine> problems;

    // Empty again, keeping the room its lists took.
    void Reset(std::size_t keywordLine = 0) {
        line = keywordLine;
        keys.clear();
        problems.clear();
    }

    // The last line that gave the key, or 0.
    std::size_t LineOf(std::string_view key) const {
        for (auto at = keys.rbegin(); at != keys.rend(); ++at) {
            if (at->key == key) return at->line;
        }
        return 0;
    }
    // The line of the key, else the keyword line.
    std::size_t LineOr(std::string_view key) const {
        const std::size_t found = LineOf(key);
        return found != 0 ? found : line;
    }
};

}  // namespace checks
