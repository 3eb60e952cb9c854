#pragma once
// A registry kept in memory: for tests, and for runs that must not touch the
// user's settings. Keys compare case-sensitively, values keep insertion order.

#include <map>
#include <tuple>

#include "tessellar/settings/registry_access.h"

namespace settings {

class MemoryRegistry : public RegistryAccess {
public:
    std::optional<std::vector<RegistryValue>> EnumerateValues(RegistryRoot root,
                                                               std::string_view key) const override;
    std::optional<std::string> ReadString(RegistryRoot root, std::string_view key,
                                          std::string_view name) const override;
    RegistryResult WriteString(RegistryRoot root, std::string_view key, std::string_view name,
                               std::string_view data) override;
    RegistryResult CreateKey(RegistryRoot root, std::string_view key, bool* created) override;
    RegistryResult DeleteKey(RegistryRoot root, std::string_view key) override;

    // Stores a value that is not a string, as a number or binary value would be.
    void WriteNonString(RegistryRoot root, std::string_view key, std::string_view name);
    // Makes every change under the root fail with the given text.
    void FailWritesUnder(RegistryRoot root, std::string errorText);

private:
    using KeyId = std::tuple<RegistryRoot, std::string>;
    std::vector<RegistryValue>* FindKey(RegistryRoot root, std::string_view key);
    const std::vector<RegistryValue>* FindKey(RegistryRoot root, std::string_view key) const;
    std::vector<RegistryValue>& ValuesOf(RegistryRoot root, std::string_view key);
    void Store(RegistryRoot root, std::string_view key, std::string_view name,
               std::optional<std::string> text);

    std::map<KeyId, std::vector<RegistryValue>> keys_;
    std::map<RegistryRoot, std::string> failingRoots_;
};

}  // namespace settings
