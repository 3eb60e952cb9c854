#pragma once
// The files of a unified diff, for the preview's file list: each file's
// path (from its "+++ b/PATH" line) and the line its header starts on.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sweepui {

struct DiffFile {
    std::string path;
    std::size_t headerLine = 0;  // the "--- " line, counted from 0
};

// Hunk lines are counted by their "@@" ranges, so an added line that
// happens to begin with "++" is never taken for a header.
std::vector<DiffFile> DiffFiles(std::string_view diff);

// How a line of a unified diff is shown.
enum class DiffLineKind { Header, Hunk, Added, Removed, Context, Note };
DiffLineKind KindOfDiffLine(std::string_view line);

}  // namespace sweepui
