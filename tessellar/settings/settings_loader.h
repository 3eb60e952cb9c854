#pragma once
// Reading the start-up settings and the launch warning preference from the
// registry. A setting that is missing, unreadable, overlong or not a string
// leaves its default in force; nothing here is reported to the user except a
// failure to store the launch warning preference.

#include "platform/message_sink.h"
#include "tessellar/settings/colour_scheme.h"
#include "tessellar/settings/registry_access.h"
#include "tessellar/settings/screen_font.h"

namespace settings {

// Value names and data of the settings keys are read up to this many characters.
inline constexpr std::size_t kSettingsTextLimit = 80;

std::optional<model::FontDescription> LoadScreenFont(const RegistryAccess& registry);
ColourScheme LoadColourScheme(const RegistryAccess& registry);

// On unless the preference says "no" in any case.
bool ReadLaunchMessage(const RegistryAccess& registry);
// Stores "YES" or "NO"; a failure shows the system's text for it.
bool WriteLaunchMessage(RegistryAccess& registry, bool on, platform::MessageSink& messages);

// Whether the messages applying shows go to the Problems panel alone: off
// unless the preference says "yes" in any case.
bool ReadProblemsInPanel(const RegistryAccess& registry);
bool WriteProblemsInPanel(RegistryAccess& registry, bool on, platform::MessageSink& messages);

}  // namespace settings
