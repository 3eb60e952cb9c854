#include "tessellar/overrides/section_list.h"

#include <utility>

#include "tessellar/model/text_capacity.h"

namespace overrides {

SectionEntry* SectionList::Find(std::string_view name, SectionKind kind) {
    return const_cast<SectionEntry*>(static_cast<const SectionList*>(this)->Find(name, kind));
}

const SectionEntry* SectionList::Find(std::string_view name, SectionKind kind) const {
    const std::string_view key = name.substr(0, model::kNameLength);
    for (const SectionEntry& entry : entries_) {
        if (entry.kind == kind && entry.name == key) return &entry;
    }
    return nullptr;
}

SectionEntry& SectionList::FindOrAdd(std::string_view name, SectionKind kind) {
    if (SectionEntry* found = Find(name, kind)) return *found;
    SectionEntry& added = entries_.emplace_back();
    added.name = platform::CutText(name, model::kNameLength);
    added.kind = kind;
    return added;
}

bool SectionList::Register(std::string_view name, std::string workFilePath, SectionKind kind) {
    if (Find(name, kind) != nullptr) return false;
    SectionEntry& added = FindOrAdd(name, kind);
    added.workFilePath = std::move(workFilePath);
    return true;
}

bool SectionList::Remove(std::string_view name, SectionKind kind) {
    const SectionEntry* found = Find(name, kind);
    if (found == nullptr) return false;
    entries_.erase(entries_.begin() + (found - entries_.data()));
    return true;
}

std::string SectionList::WorkFileOf(std::string_view name, SectionKind kind) const {
    const SectionEntry* entry = Find(name, kind);
    return entry == nullptr ? std::string() : entry->workFilePath;
}

}  // namespace overrides
