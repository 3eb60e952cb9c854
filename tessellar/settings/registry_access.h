#pragma once
// The registry as the core sees it: three roots of keys named with "\"
// ("SOFTWARE\ORVALE\Color"), each key holding named values. The window side
// stores it in the native registry or in INI files; tests keep it in memory.
// Value names and data are code page 1252 bytes; the name "" is the key's
// default value.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace settings {

enum class RegistryRoot { CurrentUser, LocalMachine, ClassesRoot };

struct RegistryValue {
    std::string name;
    // Empty when the value is not a string (a number or binary data).
    std::optional<std::string> text;
};

// The outcome of a change: success, or the system's text for the failure.
struct RegistryResult {
    bool ok = true;
    std::string errorText;

    static RegistryResult Success() { return {}; }
    static RegistryResult Failure(std::string text) { return {false, std::move(text)}; }
};

class RegistryAccess {
public:
    virtual ~RegistryAccess() = default;

    // The key's values in the store's order, or nothing when the key is
    // missing or cannot be read.
    virtual std::optional<std::vector<RegistryValue>> EnumerateValues(RegistryRoot root,
                                                                       std::string_view key) const = 0;
    // One string value, or nothing when the key or value is missing, cannot be
    // read or is not a string.
    virtual std::optional<std::string> ReadString(RegistryRoot root, std::string_view key,
                                                  std::string_view name) const = 0;
    // Creates the key as needed and stores the value, replacing one of that name.
    virtual RegistryResult WriteString(RegistryRoot root, std::string_view key, std::string_view name,
                                       std::string_view data) = 0;
    // Creates the key when it is missing; `created` tells whether it was.
    virtual RegistryResult CreateKey(RegistryRoot root, std::string_view key, bool* created) = 0;
    // Deletes the key with its values and subkeys; a missing key is no failure.
    virtual RegistryResult DeleteKey(RegistryRoot root, std::string_view key) = 0;
};

}  // namespace settings
