#include "promptsweep_ui/diff_files.h"

#include <charconv>

namespace sweepui {

namespace {

// The count of one side of "@@ -L,N +L,N @@": N, or 1 when it is left out.
std::size_t RangeCount(std::string_view range) {
    const std::size_t comma = range.find(',');
    if (comma == std::string_view::npos) return 1;
    std::size_t count = 0;
    std::from_chars(range.data() + comma + 1, range.data() + range.size(), count);
    return count;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace

std::vector<DiffFile> DiffFiles(std::string_view diff) {
    std::vector<DiffFile> files;
    const std::vector<std::string_view> lines = Lines(diff);
    std::size_t oldLeft = 0, newLeft = 0;  // lines of the current hunk still to come
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (oldLeft > 0 || newLeft > 0) {
            if (line.starts_with(' ')) {
                --oldLeft, --newLeft;
            } else if (line.starts_with('-')) {
                --oldLeft;
            } else if (line.starts_with('+')) {
                --newLeft;
            }
            continue;
        }
        if (line.starts_with("@@ -")) {
            const std::size_t plus = line.find(" +");
            const std::size_t close = line.find(" @@", plus == std::string_view::npos ? 0 : plus);
            if (plus == std::string_view::npos || close == std::string_view::npos) continue;
            oldLeft = RangeCount(line.substr(4, plus - 4));
            newLeft = RangeCount(line.substr(plus + 2, close - plus - 2));
        } else if (line.starts_with("--- ") && i + 1 < lines.size() && lines[i + 1].starts_with("+++ ")) {
            std::string_view path = lines[i + 1].substr(4);
            if (path.starts_with("b/")) path.remove_prefix(2);
            files.push_back({std::string(path), i});
            ++i;
        }
    }
    return files;
}

DiffLineKind KindOfDiffLine(std::string_view line) {
    if (line.starts_with("--- ") || line.starts_with("+++ ")) return DiffLineKind::Header;
    if (line.starts_with("@@")) return DiffLineKind::Hunk;
    if (line.starts_with('+')) return DiffLineKind::Added;
    if (line.starts_with('-')) return DiffLineKind::Removed;
    if (line.starts_with('\\')) return DiffLineKind::Note;
    return DiffLineKind::Context;
}

}  // namespace sweepui
