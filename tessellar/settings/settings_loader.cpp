#include "tessellar/settings/settings_loader.h"

#include <string>
#include <vector>

#include "platform/text_case.h"
#include "tessellar/settings/registry_keys.h"

namespace settings {

namespace {

// The key's readable string values in order. A value whose name or data is
// longer than the limit is skipped as a read error would be, so it neither
// ends the enumeration nor hides the values after it.
std::vector<RegistryValue> ReadableValues(const RegistryAccess& registry, std::string_view key) {
    std::vector<RegistryValue> readable;
    const auto values = registry.EnumerateValues(RegistryRoot::CurrentUser, key);
    if (!values) return readable;
    for (const RegistryValue& value : *values) {
        if (!value.text || value.name.size() > kSettingsTextLimit || value.text->size() > kSettingsTextLimit) {
            continue;
        }
        readable.push_back(value);
    }
    return readable;
}

const RegistryValue* FirstNamed(const std::vector<RegistryValue>& values, std::string_view name) {
    for (const RegistryValue& value : values) {
        if (value.name == name) return &value;
    }
    return nullptr;
}

}  // namespace

std::optional<model::FontDescription> LoadScreenFont(const RegistryAccess& registry) {
    const auto values = ReadableValues(registry, keys::kSettings);
    if (const RegistryValue* fontNorm = FirstNamed(values, keys::kFontNorm)) return FontFromFontNorm(*fontNorm->text);
    return std::nullopt;
}

ColourScheme LoadColourScheme(const RegistryAccess& registry) {
    ColourScheme scheme;
    for (const RegistryValue& value : ReadableValues(registry, keys::kColor)) {
        scheme.ApplyValue(value.name, *value.text);
    }
    return scheme;
}

bool ReadLaunchMessage(const RegistryAccess& registry) {
    const auto values = ReadableValues(registry, keys::kApplication);
    const RegistryValue* launchMessage = FirstNamed(values, keys::kLaunchMessage);
    return launchMessage == nullptr || platform::LowerCased(*launchMessage->text) != "no";
}

bool WriteLaunchMessage(RegistryAccess& registry, bool on, platform::MessageSink& messages) {
    const RegistryResult result =
        registry.WriteString(RegistryRoot::CurrentUser, keys::kApplication, keys::kLaunchMessage,
                             on ? keys::kLaunchMessageOn : keys::kLaunchMessageOff);
    if (!result.ok) messages.ShowMessage(result.errorText);
    return result.ok;
}

bool ReadProblemsInPanel(const RegistryAccess& registry) {
    const auto values = ReadableValues(registry, keys::kApplication);
    const RegistryValue* inPanel = FirstNamed(values, keys::kProblemsInPanel);
    return inPanel != nullptr && platform::LowerCased(*inPanel->text) == "yes";
}

bool WriteProblemsInPanel(RegistryAccess& registry, bool on, platform::MessageSink& messages) {
    const RegistryResult result =
        registry.WriteString(RegistryRoot::CurrentUser, keys::kApplication, keys::kProblemsInPanel,
                             on ? keys::kLaunchMessageOn : keys::kLaunchMessageOff);
    if (!result.ok) messages.ShowMessage(result.errorText);
    return result.ok;
}

}  // namespace settings
