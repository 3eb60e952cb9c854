#include "tessellar/settings/memory_registry.h"

namespace settings {

namespace {

bool IsSameOrBelow(std::string_view key, std::string_view ancestor) {
    return key == ancestor ||
           (key.size() > ancestor.size() && key.substr(0, ancestor.size()) == ancestor &&
            key[ancestor.size()] == '\\');
}

}  // namespace

std::vector<RegistryValue>* MemoryRegistry::FindKey(RegistryRoot root, std::string_view key) {
    auto found = keys_.find(KeyId(root, std::string(key)));
    return found == keys_.end() ? nullptr : &found->second;
}

const std::vector<RegistryValue>* MemoryRegistry::FindKey(RegistryRoot root, std::string_view key) const {
    auto found = keys_.find(KeyId(root, std::string(key)));
    return found == keys_.end() ? nullptr : &found->second;
}

std::vector<RegistryValue>& MemoryRegistry::ValuesOf(RegistryRoot root, std::string_view key) {
    return keys_[KeyId(root, std::string(key))];
}

std::optional<std::vector<RegistryValue>> MemoryRegistry::EnumerateValues(RegistryRoot root,
                                                                           std::string_view key) const {
    const auto* values = FindKey(root, key);
    if (values == nullptr) return std::nullopt;
    return *values;
}

std::optional<std::string> MemoryRegistry::ReadString(RegistryRoot root, std::string_view key,
                                                      std::string_view name) const {
    const auto* values = FindKey(root, key);
    if (values == nullptr) return std::nullopt;
    for (const RegistryValue& value : *values) {
        if (value.name == name) return value.text;
    }
    return std::nullopt;
}

void MemoryRegistry::Store(RegistryRoot root, std::string_view key, std::string_view name,
                           std::optional<std::string> text) {
    auto& values = ValuesOf(root, key);
    for (RegistryValue& value : values) {
        if (value.name == name) {
            value.text = std::move(text);
            return;
        }
    }
    values.push_back({std::string(name), std::move(text)});
}

RegistryResult MemoryRegistry::WriteString(RegistryRoot root, std::string_view key, std::string_view name,
                                           std::string_view data) {
    if (auto failing = failingRoots_.find(root); failing != failingRoots_.end()) {
        return RegistryResult::Failure(failing->second);
    }
    Store(root, key, name, std::string(data));
    return RegistryResult::Success();
}

void MemoryRegistry::WriteNonString(RegistryRoot root, std::string_view key, std::string_view name) {
    Store(root, key, name, std::nullopt);
}

RegistryResult MemoryRegistry::CreateKey(RegistryRoot root, std::string_view key, bool* created) {
    if (auto failing = failingRoots_.find(root); failing != failingRoots_.end()) {
        return RegistryResult::Failure(failing->second);
    }
    const bool existed = FindKey(root, key) != nullptr;
    ValuesOf(root, key);
    if (created != nullptr) *created = !existed;
    return RegistryResult::Success();
}

RegistryResult MemoryRegistry::DeleteKey(RegistryRoot root, std::string_view key) {
    if (auto failing = failingRoots_.find(root); failing != failingRoots_.end()) {
        return RegistryResult::Failure(failing->second);
    }
    std::erase_if(keys_, [&](const auto& entry) {
        return std::get<0>(entry.first) == root && IsSameOrBelow(std::get<1>(entry.first), key);
    });
    return RegistryResult::Success();
}

void MemoryRegistry::FailWritesUnder(RegistryRoot root, std::string errorText) {
    failingRoots_[root] = std::move(errorText);
}

}  // namespace settings
