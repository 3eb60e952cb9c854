#include "tessellar/overrides/section_bodies.h"

#include <sstream>

#include "tessellar/overrides/line_reader.h"

namespace overrides {

void SectionBodies::BeginSection(SectionKind, const std::string& name) {
    current_ = &bodies_[name];
    current_->clear();
}

void SectionBodies::BodyLine(std::string_view line) {
    if (current_ != nullptr) current_->append(line);
}

const std::string* SectionBodies::Find(std::string_view name) const {
    const auto found = bodies_.find(name);
    return found == bodies_.end() ? nullptr : &found->second;
}

bool ReadSectionBodies(const std::string& path, SectionBodies& sections) {
    // Read whole first: a file that fails part-way gives no sections at all.
    const std::optional<std::string> text = ReadOverrideText(path);
    if (!text) return false;
    std::istringstream in(*text);
    SplitSections(in, sections);
    return true;
}

}  // namespace overrides
