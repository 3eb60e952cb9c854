#include "tessellar/overrides/statement_starts.h"

#include <algorithm>

namespace overrides {

std::size_t StatementStarts::ResumePoint(std::string_view before, std::string_view after) const {
    const auto differ = std::mismatch(before.begin(), before.end(), after.begin(), after.end());
    const std::size_t same = static_cast<std::size_t>(differ.first - before.begin());
    // A line the reader took from the shared part is the same line in both
    // bodies only when its end, and the one character the reader may look
    // at past it, are shared too. A line ends at its newline at the latest.
    auto keywordLineShared = [&](std::size_t offset) {
        const std::size_t newline = before.find('\n', offset);
        return newline != std::string_view::npos && newline + 1 < same;
    };
    std::size_t statement = static_cast<std::size_t>(
        std::upper_bound(offsets_.begin() + 1, offsets_.end(), same) - offsets_.begin());
    while (--statement > 0) {
        if (keywordLineShared(offsets_[statement])) return statement;
    }
    return 0;
}

}  // namespace overrides
