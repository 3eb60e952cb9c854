#include "tessellar/overrides/section_list.h"

#include <utility>

#include "tessellar/model/text_capacity.h"

namespace overrides {

SectionEntry* SectionList::Find(std::string_view name) {
    return const_cast<SectionEntry*>(static_cast<const SectionList*>(this)->Find(name));
}

const SectionEntry* SectionList::Find(std::string_view name) const {
    const std::string_view key = name.substr(0, model::kNameLength);
    for (const SectionEntry& entry : entries_) {
        if (entry.name == key) return &entry;
    }
    return nullptr;
}

SectionEntry& SectionList::FindOrAdd(std::string_view name) {
    if (SectionEntry* found = Find(name)) return *found;
    SectionEntry& added = entries_.emplace_back();
    added.name = platform::CutText(name, model::kNameLength);
    return added;
}

bool SectionList::Register(std::string_view name, std::string workFilePath, SectionKind kind) {
    if (Find(name) != nullptr) return false;
    SectionEntry& added = FindOrAdd(name);
    added.workFilePath = std::move(workFilePath);
    added.kind = kind;
    return true;
}

std::string SectionList::WorkFileOf(std::string_view name) const {
    const SectionEntry* entry = Find(name);
    return entry == nullptr ? std::string() : entry->workFilePath;
}

}  // namespace overrides
