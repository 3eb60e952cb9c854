#pragma once
// Which line of a section last moved, sized, showed or hid each item, so
// that what the applied screen shows spoilt can be pinned on a line.

#include <cstddef>
#include <unordered_map>

namespace checks {

struct ScreenTouches {
    std::unordered_map<const void*, std::size_t> placed;    // coordinate, picture, suppress, add
    std::unordered_map<const void*, std::size_t> hidden;    // an entry field's suppress line
    std::unordered_map<const void*, std::size_t> readOnly;  // an entry field's readonly line
    std::unordered_map<const void*, std::size_t> texted;    // a display's text or new_prompt_text line
    std::size_t windowLine = 0;                             // the last applied window_size

    void Forget(const void* item) {
        placed.erase(item);
        hidden.erase(item);
        readOnly.erase(item);
        texted.erase(item);
    }
    static std::size_t LineIn(const std::unordered_map<const void*, std::size_t>& lines, const void* item) {
        const auto found = lines.find(item);
        return found == lines.end() ? 0 : found->second;
    }
};

}  // namespace checks
