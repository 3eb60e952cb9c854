#include "tessellar/overrides/section_bodies.h"

#include <fstream>

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
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    SplitSections(in, sections);
    return !in.bad();
}

}  // namespace overrides
