#pragma once
// The sections of the open override file, in the order first met: those of
// the file in file order, then those created while the program is open.
// Names compare exactly; a screen and a menu of one name are two sections,
// each with its own work file.

#include <string>
#include <string_view>
#include <vector>

#include "tessellar/overrides/section_lines.h"

namespace overrides {

struct SectionEntry {
    SectionKind kind = SectionKind::Screen;
    std::string name;  // up to 79 characters
    std::string workFilePath;
};

class SectionList {
public:
    SectionEntry* Find(std::string_view name, SectionKind kind = SectionKind::Screen);
    const SectionEntry* Find(std::string_view name, SectionKind kind = SectionKind::Screen) const;
    // The entry of that name and kind, added at the end when there is none.
    SectionEntry& FindOrAdd(std::string_view name, SectionKind kind = SectionKind::Screen);
    // Adds an entry when none has that name and kind; false when one had.
    bool Register(std::string_view name, std::string workFilePath, SectionKind kind);
    // Takes the entry of that name and kind out; false when there was none.
    bool Remove(std::string_view name, SectionKind kind);
    // The work file of a section, or empty.
    std::string WorkFileOf(std::string_view name, SectionKind kind = SectionKind::Screen) const;

    const std::vector<SectionEntry>& Entries() const { return entries_; }
    bool Empty() const { return entries_.empty(); }
    void Clear() { entries_.clear(); }

private:
    std::vector<SectionEntry> entries_;
};

}  // namespace overrides
