#pragma once
// A repeat count "(n)" of a picture: digits only, at least 1, closed by ")".

#include <cstddef>
#include <optional>
#include <string_view>

namespace pictures {

// Counts larger than this are not written out: no real picture comes near it,
// and a typed count must not make the customiser allocate without bound.
inline constexpr int kMaxRepeatCount = 65535;

struct RepeatCount {
    int count;
    std::size_t end;  // the position after ")"
};

// The count whose "(" is at text[open]; none when it is not a proper count
// or exceeds kMaxRepeatCount.
inline std::optional<RepeatCount> ReadRepeatCount(std::string_view text, std::size_t open) {
    std::size_t i = open + 1;
    long count = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (count <= kMaxRepeatCount) count = count * 10 + (text[i] - '0');
        ++i;
    }
    if (i == open + 1 || i >= text.size() || text[i] != ')') return std::nullopt;
    if (count < 1 || count > kMaxRepeatCount) return std::nullopt;
    return RepeatCount{static_cast<int>(count), i + 1};
}

}  // namespace pictures
