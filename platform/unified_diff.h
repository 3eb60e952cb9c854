#pragma once
// A line diff of two texts in the unified format, laid out as GNU `diff -u`
// lays it out: a shortest edit script (Myers' middle-snake bisection), runs
// of changes slid down as far as they go and back to meet a change in the
// other file, hunks with three lines of context that join when at most six
// unchanged lines lie between two changes, ranges written "L", "L,N" or
// "L,0", and "\ No newline at end of file" after a last line without one.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Splits text into lines, each keeping its line end; a last line without
// one is kept as it is.
std::vector<std::string_view> SplitLines(std::string_view text);

// One edit: lines [oldStart, oldStart + deleted) of the old text give way
// to lines [newStart, newStart + inserted) of the new one (0-based).
struct LineChange {
    std::size_t oldStart = 0;
    std::size_t deleted = 0;
    std::size_t newStart = 0;
    std::size_t inserted = 0;
    bool operator==(const LineChange&) const = default;
};

// The edits that turn `before` into `after`, in order. A line is its text
// with its line end, so a last line without one differs from the same text
// with one. Of the lines both begin and end with, only the `horizon` next
// to the differences take part (diff keeps as many as its context).
std::vector<LineChange> DiffLines(const std::vector<std::string_view>& before,
                                  const std::vector<std::string_view>& after, std::size_t horizon = 3);

// The unified diff of two texts under the header lines "--- OLD" and
// "+++ NEW" (labels as given, no time stamps); empty when the texts are
// equal. A file that does not exist yet is the empty text, which gives a
// hunk "@@ -0,0 +1,N @@", as `diff -uN` shows a new file.
std::string UnifiedDiff(std::string_view before, std::string_view after, std::string_view oldLabel,
                        std::string_view newLabel, std::size_t context = 3);

}  // namespace platform
