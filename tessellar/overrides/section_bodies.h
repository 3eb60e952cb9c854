#pragma once
// The sections of an override file held in memory by entry name, for tools
// that apply a file without opening it as a document's work files.

#include <map>
#include <string>
#include <string_view>

#include "tessellar/overrides/section_lines.h"

namespace overrides {

// A later section of a name replaces the body of an earlier one, as the
// work files do.
class SectionBodies : public SectionVisitor {
public:
    void BeginSection(SectionKind kind, const std::string& name) override;
    void BodyLine(std::string_view line) override;

    // The body of the section of an entry name, or nullptr.
    const std::string* Find(std::string_view name) const;

private:
    std::map<std::string, std::string, std::less<>> bodies_;
    std::string* current_ = nullptr;
};

// Splits a whole override file into `sections`; false when the file cannot
// be opened or read to its end.
bool ReadSectionBodies(const std::string& path, SectionBodies& sections);

}  // namespace overrides
