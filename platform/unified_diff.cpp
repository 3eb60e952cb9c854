#include "platform/unified_diff.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <unordered_map>


namespace platform {

namespace {

using Index = std::ptrdiff_t;

// Lines as numbers: equal lines share one.
struct NumberedLines {
    std::vector<int> before;
    std::vector<int> after;
};

NumberedLines Number(const std::vector<std::string_view>& before, const std::vector<std::string_view>& after) {
    std::unordered_map<std::string_view, int> numbers;
    numbers.reserve(before.size() + after.size());
    NumberedLines numbered;
    auto number = [&numbers](std::string_view line) {
        return numbers.emplace(line, static_cast<int>(numbers.size())).first->second;
    };
    numbered.before.reserve(before.size());
    numbered.after.reserve(after.size());
    for (std::string_view line : before) numbered.before.push_back(number(line));
    for (std::string_view line : after) numbered.after.push_back(number(line));
    return numbered;
}

// Which lines of either side are not part of the common subsequence. Each
// side keeps a false entry before its first line and after its last, so
// that the scans below need no bounds tests.
class ChangedLines {
public:
    explicit ChangedLines(std::size_t count) : flags_(count + 2, false), count_(static_cast<Index>(count)) {}
    bool At(Index line) const { return flags_[static_cast<std::size_t>(line + 1)]; }
    void Set(Index line, bool changed) { flags_[static_cast<std::size_t>(line + 1)] = changed; }
    Index Count() const { return count_; }

private:
    std::vector<bool> flags_;
    Index count_;
};

// Myers' O(ND) comparison in linear space: the middle snake of each part
// splits it in two, found by searching forward from the top left and
// backward from the bottom right at once, the diagonals visited from the
// highest to the lowest.
class ShortestEdit {
public:
    ShortestEdit(const std::vector<int>& before, const std::vector<int>& after, ChangedLines& deleted,
                 ChangedLines& inserted)
        : before_(before), after_(after), deleted_(deleted), inserted_(inserted),
          forward_(before.size() + after.size() + 3), backward_(before.size() + after.size() + 3),
          offset_(static_cast<Index>(after.size()) + 1) {}

    void Compare(Index xLow, Index xHigh, Index yLow, Index yHigh) {
        while (xLow < xHigh && yLow < yHigh && Same(xLow, yLow)) ++xLow, ++yLow;
        while (xLow < xHigh && yLow < yHigh && Same(xHigh - 1, yHigh - 1)) --xHigh, --yHigh;
        if (xLow == xHigh) {
            for (Index y = yLow; y < yHigh; ++y) inserted_.Set(y, true);
        } else if (yLow == yHigh) {
            for (Index x = xLow; x < xHigh; ++x) deleted_.Set(x, true);
        } else {
            const auto [xMiddle, yMiddle] = MiddleSnake(xLow, xHigh, yLow, yHigh);
            Compare(xLow, xMiddle, yLow, yMiddle);
            Compare(xMiddle, xHigh, yMiddle, yHigh);
        }
    }

private:
    struct Point {
        Index x;
        Index y;
    };

    bool Same(Index x, Index y) const {
        return before_[static_cast<std::size_t>(x)] == after_[static_cast<std::size_t>(y)];
    }
    Index& Forward(Index diagonal) { return forward_[static_cast<std::size_t>(diagonal + offset_)]; }
    Index& Backward(Index diagonal) { return backward_[static_cast<std::size_t>(diagonal + offset_)]; }

    // Diagonal k holds the points with x - y = k. Each round extends both
    // searches by one edit on every diagonal they reach; the first diagonal
    // where they overlap gives the split point.
    Point MiddleSnake(Index xLow, Index xHigh, Index yLow, Index yHigh) {
        constexpr Index kBeyond = std::numeric_limits<Index>::max();
        const Index lowest = xLow - yHigh;
        const Index highest = xHigh - yLow;
        const Index forwardCentre = xLow - yLow;
        const Index backwardCentre = xHigh - yHigh;
        const bool odd = ((forwardCentre - backwardCentre) & 1) != 0;
        Index forwardLow = forwardCentre, forwardHigh = forwardCentre;
        Index backwardLow = backwardCentre, backwardHigh = backwardCentre;
        Forward(forwardCentre) = xLow;
        Backward(backwardCentre) = xHigh;
        for (;;) {
            if (forwardLow > lowest) {
                Forward(--forwardLow - 1) = -1;
            } else {
                ++forwardLow;
            }
            if (forwardHigh < highest) {
                Forward(++forwardHigh + 1) = -1;
            } else {
                --forwardHigh;
            }
            for (Index k = forwardHigh; k >= forwardLow; k -= 2) {
                const Index fromBelow = Forward(k - 1);
                const Index fromAbove = Forward(k + 1);
                Index x = fromBelow < fromAbove ? fromAbove : fromBelow + 1;
                Index y = x - k;
                while (x < xHigh && y < yHigh && Same(x, y)) ++x, ++y;
                Forward(k) = x;
                if (odd && backwardLow <= k && k <= backwardHigh && Backward(k) <= x) return {x, y};
            }

            if (backwardLow > lowest) {
                Backward(--backwardLow - 1) = kBeyond;
            } else {
                ++backwardLow;
            }
            if (backwardHigh < highest) {
                Backward(++backwardHigh + 1) = kBeyond;
            } else {
                --backwardHigh;
            }
            for (Index k = backwardHigh; k >= backwardLow; k -= 2) {
                const Index fromBelow = Backward(k - 1);
                const Index fromAbove = Backward(k + 1);
                Index x = fromBelow < fromAbove ? fromBelow : fromAbove - 1;
                Index y = x - k;
                while (x > xLow && y > yLow && Same(x - 1, y - 1)) --x, --y;
                Backward(k) = x;
                if (!odd && forwardLow <= k && k <= forwardHigh && x <= Forward(k)) return {x, y};
            }
        }
    }

    const std::vector<int>& before_;
    const std::vector<int>& after_;
    ChangedLines& deleted_;
    ChangedLines& inserted_;
    std::vector<Index> forward_;
    std::vector<Index> backward_;
    Index offset_;
};

// Lines that match no line of the other text are changed whatever the
// comparison finds, and so are left out of it, as diff leaves them out.
// Lines with very many matches are left out too where they stand in the
// middle of a run of such lines, unless too many of the run are of them.
std::vector<char> LinesLeftOut(const std::vector<int>& lines, const std::vector<int>& otherCounts) {
    enum : char { kKept = 0, kNoMatch = 1, kManyMatches = 2 };
    const Index end = static_cast<Index>(lines.size());
    std::vector<char> out(lines.size(), kKept);
    auto at = [&out](Index index) -> char& { return out[static_cast<std::size_t>(index)]; };

    // "Many" grows with the square root of the number of lines.
    std::size_t many = 5;
    for (std::size_t quarter = lines.size() / 64; (quarter >>= 2) > 0;) many *= 2;
    for (Index i = 0; i < end; ++i) {
        const int matches = otherCounts[static_cast<std::size_t>(lines[static_cast<std::size_t>(i)])];
        if (matches == 0) {
            at(i) = kNoMatch;
        } else if (static_cast<std::size_t>(matches) > many) {
            at(i) = kManyMatches;
        }
    }

    for (Index i = 0; i < end; ++i) {
        if (at(i) == kManyMatches) {
            at(i) = kKept;  // not inside a run that begins with a line of no match
            continue;
        }
        if (at(i) == kKept) continue;
        // A run of left-out lines from here; those of many matches at its
        // end go back in.
        Index runEnd = i;
        Index many_in_run = 0;
        while (runEnd < end && at(runEnd) != kKept) {
            if (at(runEnd) == kManyMatches) ++many_in_run;
            ++runEnd;
        }
        while (runEnd > i && at(runEnd - 1) == kManyMatches) {
            at(--runEnd) = kKept;
            --many_in_run;
        }
        const Index length = runEnd - i;
        if (many_in_run * 4 > length) {
            for (Index k = i; k < runEnd; ++k) {
                if (at(k) == kManyMatches) at(k) = kKept;
            }
        } else {
            // Long stretches of lines of many matches go back in: of a
            // stretch of `minimum` or more, all but the first minimum - 1.
            Index minimum = 1;
            for (Index quarter = length >> 2; (quarter >>= 2) > 0;) minimum <<= 1;
            ++minimum;
            Index stretch = 0;
            for (Index k = 0; k < length; ++k) {
                if (at(i + k) != kManyMatches) {
                    stretch = 0;
                } else if (++stretch == minimum) {
                    k -= stretch;  // back to the stretch's start, to put it all back
                } else if (stretch > minimum) {
                    at(i + k) = kKept;
                }
            }
            // From each end of the run, lines of many matches go back in
            // until three lines of no match stand together, or one stands
            // at least eight lines in.
            auto trimFrom = [&](Index origin, Index step) {
                Index together = 0;
                for (Index k = 0; k < length; ++k) {
                    char& line = at(origin + step * k);
                    if (k >= 8 && line == kNoMatch) break;
                    if (line == kManyMatches) {
                        together = 0;
                        line = kKept;
                    } else if (line == kKept) {
                        together = 0;
                    } else {
                        ++together;
                    }
                    if (together == 3) break;
                }
            };
            trimFrom(i, 1);
            i += length - 1;
            trimFrom(i, -1);
        }
    }
    return out;
}

// The shortest edit script of the lines that are not left out; the lines
// left out are changed.
void CompareKept(const NumberedLines& numbered, ChangedLines& deleted, ChangedLines& inserted) {
    std::size_t classes = 0;
    for (int line : numbered.before) classes = std::max(classes, static_cast<std::size_t>(line) + 1);
    for (int line : numbered.after) classes = std::max(classes, static_cast<std::size_t>(line) + 1);
    std::vector<int> beforeCounts(classes, 0), afterCounts(classes, 0);
    for (int line : numbered.before) ++beforeCounts[static_cast<std::size_t>(line)];
    for (int line : numbered.after) ++afterCounts[static_cast<std::size_t>(line)];
    const std::vector<char> oldOut = LinesLeftOut(numbered.before, afterCounts);
    const std::vector<char> newOut = LinesLeftOut(numbered.after, beforeCounts);

    struct Kept {
        std::vector<int> lines;
        std::vector<Index> where;  // each kept line's own number
    };
    auto keep = [](const std::vector<int>& lines, const std::vector<char>& out, ChangedLines& changed) {
        Kept kept;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (out[i] == 0) {
                kept.lines.push_back(lines[i]);
                kept.where.push_back(static_cast<Index>(i));
            } else {
                changed.Set(static_cast<Index>(i), true);
            }
        }
        return kept;
    };
    const Kept oldKept = keep(numbered.before, oldOut, deleted);
    const Kept newKept = keep(numbered.after, newOut, inserted);
    ChangedLines keptDeleted(oldKept.lines.size());
    ChangedLines keptInserted(newKept.lines.size());
    ShortestEdit(oldKept.lines, newKept.lines, keptDeleted, keptInserted)
        .Compare(0, static_cast<Index>(oldKept.lines.size()), 0, static_cast<Index>(newKept.lines.size()));
    for (std::size_t i = 0; i < oldKept.lines.size(); ++i) {
        if (keptDeleted.At(static_cast<Index>(i))) deleted.Set(oldKept.where[i], true);
    }
    for (std::size_t i = 0; i < newKept.lines.size(); ++i) {
        if (keptInserted.At(static_cast<Index>(i))) inserted.Set(newKept.where[i], true);
    }
}

// Of the equally short scripts, diff shows a run of changed lines as low
// as it can go, joined with the runs it can reach, and then raised again to
// end where a change of the other side ends, if it passed one. `position`
// follows the other side: the number of its lines up to the same point.
void SlideRuns(ChangedLines& side, const ChangedLines& other, const std::vector<int>& lines) {
    const Index end = side.Count();
    auto same = [&lines](Index a, Index b) {
        return lines[static_cast<std::size_t>(a)] == lines[static_cast<std::size_t>(b)];
    };
    Index i = 0;
    Index position = 0;
    for (;;) {
        // Forward to the next run, keeping `position` beside `i`.
        while (i < end && !side.At(i)) {
            while (other.At(position)) ++position;
            ++position;
            ++i;
        }
        if (i == end) break;
        Index start = i;
        while (side.At(++i)) {
        }
        while (other.At(position)) ++position;

        Index corresponding = end;
        Index length = 0;
        do {
            length = i - start;
            // Up, while the line above equals the run's last: joins a run above.
            while (start > 0 && same(start - 1, i - 1)) {
                side.Set(--start, true);
                side.Set(--i, false);
                while (side.At(start - 1)) --start;
                do {
                    --position;
                } while (other.At(position));
            }
            corresponding = other.At(position - 1) ? i : end;
            // Down, while the line below equals the run's first: joins a run below.
            while (i != end && same(start, i)) {
                side.Set(start++, false);
                side.Set(i++, true);
                while (side.At(i)) ++i;
                while (other.At(++position)) corresponding = i;
            }
        } while (length != i - start);

        // Back up to where it meets a change of the other side.
        while (corresponding < i) {
            side.Set(--start, true);
            side.Set(--i, false);
            do {
                --position;
            } while (other.At(position));
        }
    }
}

std::vector<LineChange> Changes(const ChangedLines& deleted, const ChangedLines& inserted) {
    std::vector<LineChange> changes;
    Index i = 0, j = 0;
    while (i < deleted.Count() || j < inserted.Count()) {
        if (!deleted.At(i) && !inserted.At(j)) {
            ++i, ++j;
            continue;
        }
        LineChange change{static_cast<std::size_t>(i), 0, static_cast<std::size_t>(j), 0};
        while (deleted.At(i)) ++i, ++change.deleted;
        while (inserted.At(j)) ++j, ++change.inserted;
        changes.push_back(change);
    }
    return changes;
}

// "L" for one line, "L,N" for more, "L,0" (the line before) for none;
// `first` counts from 0.
std::string Range(std::size_t first, std::size_t count) {
    if (count == 1) return std::to_string(first + 1);
    return std::to_string(count == 0 ? first : first + 1) + "," + std::to_string(count);
}

bool EndsLine(std::string_view line) { return !line.empty() && line.back() == '\n'; }

void AppendLine(std::string& out, char mark, std::string_view line) {
    out += mark;
    out += line;
    if (!EndsLine(line)) out += "\n\\ No newline at end of file\n";
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, next - start));
        start = next;
    }
    return lines;
}

std::vector<LineChange> DiffLines(const std::vector<std::string_view>& before,
                                  const std::vector<std::string_view>& after, std::size_t horizon) {
    // Lines that both texts begin or end with are left out of everything
    // below, as diff leaves them, all but the `horizon` lines next to the
    // first and last difference: those left out neither count as matches
    // nor let a run slide into them.
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    prefix -= std::min(prefix, horizon);
    suffix -= std::min(suffix, horizon);
    const std::vector<std::string_view> oldMiddle(before.begin() + static_cast<Index>(prefix),
                                                  before.end() - static_cast<Index>(suffix));
    const std::vector<std::string_view> newMiddle(after.begin() + static_cast<Index>(prefix),
                                                  after.end() - static_cast<Index>(suffix));
    const NumberedLines numbered = Number(oldMiddle, newMiddle);
    ChangedLines deleted(oldMiddle.size());
    ChangedLines inserted(newMiddle.size());
    CompareKept(numbered, deleted, inserted);
    SlideRuns(deleted, inserted, numbered.before);
    SlideRuns(inserted, deleted, numbered.after);
    std::vector<LineChange> changes = Changes(deleted, inserted);
    for (LineChange& change : changes) {
        change.oldStart += prefix;
        change.newStart += prefix;
    }
    return changes;
}

std::string UnifiedDiff(std::string_view before, std::string_view after, std::string_view oldLabel,
                        std::string_view newLabel, std::size_t context) {
    if (before == after) return {};
    const std::vector<std::string_view> oldLines = SplitLines(before);
    const std::vector<std::string_view> newLines = SplitLines(after);
    const std::vector<LineChange> changes = DiffLines(oldLines, newLines, context);
    if (changes.empty()) return {};

    std::string out;
    out.append("--- ").append(oldLabel).append("\n+++ ").append(newLabel).append("\n");
    std::size_t first = 0;
    while (first < changes.size()) {
        // A hunk takes every following change that its context reaches.
        std::size_t last = first;
        while (last + 1 < changes.size() &&
               changes[last + 1].oldStart - (changes[last].oldStart + changes[last].deleted) <= 2 * context) {
            ++last;
        }
        const LineChange& head = changes[first];
        const LineChange& tail = changes[last];
        const std::size_t lead = std::min(context, head.oldStart);
        const std::size_t oldBegin = head.oldStart - lead;
        const std::size_t newBegin = head.newStart - lead;
        const std::size_t oldEnd = std::min(oldLines.size(), tail.oldStart + tail.deleted + context);
        const std::size_t trail = oldEnd - (tail.oldStart + tail.deleted);
        const std::size_t newStop = tail.newStart + tail.inserted + trail;
        out += "@@ -" + Range(oldBegin, oldEnd - oldBegin) + " +" + Range(newBegin, newStop - newBegin) + " @@\n";

        std::size_t oldAt = oldBegin;
        for (std::size_t index = first; index <= last; ++index) {
            const LineChange& change = changes[index];
            for (; oldAt < change.oldStart; ++oldAt) AppendLine(out, ' ', oldLines[oldAt]);
            for (std::size_t k = 0; k < change.deleted; ++k) AppendLine(out, '-', oldLines[change.oldStart + k]);
            for (std::size_t k = 0; k < change.inserted; ++k) AppendLine(out, '+', newLines[change.newStart + k]);
            oldAt = change.oldStart + change.deleted;
        }
        for (; oldAt < oldEnd; ++oldAt) AppendLine(out, ' ', oldLines[oldAt]);
        first = last + 1;
    }
    return out;
}

}  // namespace platform
