#pragma once
// An override file split into its sections exactly as the customiser splits
// it into work files, each body line remembering the file line it came from,
// so that what applying a body reports can be pinned on the file's lines.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tessellar/overrides/section_lines.h"

namespace checks {

struct OverrideSection {
    overrides::SectionKind kind = overrides::SectionKind::Screen;
    std::string name;
    std::size_t headerLine = 0;
    std::string body;                     // as the section's work file holds it
    std::vector<std::size_t> lineStarts;  // where each body line starts in `body`
    std::vector<std::size_t> fileLines;   // the file line of each body line

    // The file line of the body line that holds this offset of the body.
    std::size_t FileLineAt(std::size_t bodyOffset) const;
    // "screen NAME", as the header names it.
    std::string Title() const;
};

// A line before the first section header that is neither blank nor a comment.
struct StrayLine {
    std::size_t line = 0;
    std::string text;  // trimmed
};

struct OverrideSections {
    std::vector<OverrideSection> sections;  // every header in file order, repeats included
    std::vector<std::size_t> longLines;     // file lines a single read cannot hold
    std::vector<StrayLine> beforeSections;  // what no section holds: the runtime never applies it
};

OverrideSections SplitOverrideText(std::string_view text);

}  // namespace checks
