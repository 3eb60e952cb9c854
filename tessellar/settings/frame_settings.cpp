#include "tessellar/settings/frame_settings.h"

#include <algorithm>
#include <charconv>

#include "tessellar/settings/registry_keys.h"

namespace settings {
namespace {

std::string RecentValueName(int index) { return "File" + std::to_string(index + 1); }

}  // namespace

int ReadSelectedSkin(const RegistryAccess& registry) {
    const std::optional<std::string> text = registry.ReadString(RegistryRoot::CurrentUser, kWorkspaceKey, kSelectedSkin);
    if (!text) return kDefaultSkin;
    int skin = kDefaultSkin;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), skin);
    if (error != std::errc() || end != text->data() + text->size() || skin < 0 || skin > 2) return kDefaultSkin;
    return skin;
}

void WriteSelectedSkin(RegistryAccess& registry, int skin) {
    registry.WriteString(RegistryRoot::CurrentUser, kWorkspaceKey, kSelectedSkin, std::to_string(skin));
}

bool RegisterExecutablePath(RegistryAccess& registry, std::string_view executablePath) {
    const std::string key = std::string(keys::kExecutablePathPrefix) + keys::kExecutablePathSuffix;
    bool created = false;
    if (!registry.CreateKey(RegistryRoot::LocalMachine, key, &created).ok || !created) return false;
    registry.WriteString(RegistryRoot::LocalMachine, key, "", executablePath);
    return true;
}

void RecentFileList::Load(const RegistryAccess& registry) {
    files_.clear();
    for (int index = 0; index < kRecentFileCount; ++index) {
        const auto path = registry.ReadString(RegistryRoot::CurrentUser, kRecentFileListKey, RecentValueName(index));
        if (path && !path->empty() && std::find(files_.begin(), files_.end(), *path) == files_.end()) {
            files_.push_back(*path);
        }
    }
}

void RecentFileList::Save(RegistryAccess& registry) const {
    for (int index = 0; index < kRecentFileCount; ++index) {
        const std::size_t at = static_cast<std::size_t>(index);
        registry.WriteString(RegistryRoot::CurrentUser, kRecentFileListKey, RecentValueName(index),
                             at < files_.size() ? files_[at] : std::string());
    }
}

void RecentFileList::Add(std::string_view path) {
    if (path.empty()) return;
    Remove(path);
    files_.insert(files_.begin(), std::string(path));
    if (files_.size() > static_cast<std::size_t>(kRecentFileCount)) files_.resize(kRecentFileCount);
}

void RecentFileList::Remove(std::string_view path) {
    files_.erase(std::remove(files_.begin(), files_.end(), path), files_.end());
}

std::string ReadWorkspaceValue(const RegistryAccess& registry, std::string_view name) {
    return registry.ReadString(RegistryRoot::CurrentUser, kWorkspaceKey, name).value_or(std::string());
}

void WriteWorkspaceValue(RegistryAccess& registry, std::string_view name, std::string_view value) {
    registry.WriteString(RegistryRoot::CurrentUser, kWorkspaceKey, name, value);
}

}  // namespace settings
