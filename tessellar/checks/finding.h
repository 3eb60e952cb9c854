#pragma once
// One thing an override file says that the program it customises will not
// do as written: a statement the runtime skips, a value it refuses or cuts,
// or a screen the result spoils. Findings name the override file's line, so
// an editor can jump to it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace checks {

// Errors: the runtime skips or refuses what the line says. Warnings: it
// shows it, spoilt.
enum class Severity { Error, Warning };

enum class FindingKind {
    UnknownSection,        // a section for an entry the program does not have
    RepeatedSection,       // a later section of the same entry replaces this one
    OutsideSection,        // a line before the first section header
    OutsideBlock,          // a key before the section's first item keyword
    UnknownKey,            // a line the reader does not know
    UnresolvedItem,        // a block whose identifier reaches no item
    UnknownMessage,        // a message override for a text the entry does not have
    RepeatedItem,          // a later block for the same item gives the same values again
    AllowedAndDisallowed,  // both lists given: neither applies
    NoTriggerPoint,        // a trigger without a point (or the mode point): nothing is set
    OutOfRange,            // a coordinate, size or scale beyond what is allowed
    NotAPair,              // a ROW,COL or WIDTH,HEIGHT value without its comma
    NotABoolean,           // neither true nor false: reads as false
    UnknownColour,
    UnknownAttribute,
    UnknownWord,           // a trigger point or type word that names nothing
    InvalidPicture,
    CutValue,              // a value longer than its field
    LongLine,              // a line longer than one read
    Overlap,               // after applying, an item overlaps another
    PastEdge,              // after applying, an item runs out of the screen window
    WideGridColumn,        // a data grid column wider than the grid's area
    HiddenWithoutDefault,  // an entry field hidden or made read-only without a default value
};

// The kind as scripts see it ("unresolved-item").
std::string_view KindName(FindingKind kind);
Severity SeverityOf(FindingKind kind);
std::string_view SeverityName(Severity severity);

// How sure a fix is. Certain: one candidate, on two signals that agree (or
// the very value the block names, still on one item of the screen). Likely:
// one candidate on one signal, for a person to accept.
enum class FixConfidence { Certain, Likely };

std::string_view ConfidenceName(FixConfidence confidence);

// A change of one identifier line (or section header) that would make the
// statement reach the item it most likely meant: `old` is the line's text
// as the file has it (without indentation and line end), `replacement` the
// text that takes its place.
struct Fix {
    std::size_t line = 0;
    std::string old;
    std::string replacement;
    FixConfidence confidence = FixConfidence::Likely;
    bool operator==(const Fix&) const = default;
};

struct Finding {
    std::string file;     // the override file
    std::size_t line = 0;
    std::string section;  // "screen CUSTOMER"
    std::string itemKey;  // the block or item as a statement names it; empty for a section
    FindingKind kind = FindingKind::UnresolvedItem;
    std::string message;
    std::string hint;     // empty when there is none
    std::optional<Fix> fix;  // none when no change of identifier would cure it

    Severity severity() const { return SeverityOf(kind); }
    bool operator==(const Finding&) const = default;
};

// "severity: message [hint] [likely fix: NEW LINE]", as a finding's line ends.
std::string FindingText(const Finding& finding);

// "FILE:LINE: SECTION: severity: message [hint]" and a line end.
std::string FindingLine(const Finding& finding);

// In line order (stable), with repeats of one finding dropped.
void SortFindings(std::vector<Finding>& findings);

}  // namespace checks
