#pragma once
// What the customiser keeps between runs in the registry: the recent-file
// list of four, the selected look, the executable's path for the runtime,
// and the window's own layout (geometry, docks, toolbar buttons) as text.

#include <string>
#include <string_view>
#include <vector>

#include "tessellar/settings/registry_access.h"

namespace settings {

// The framework's application key and the sections below it.
inline constexpr const char* kRecentFileListKey = "SOFTWARE\\ORVALE\\Tessellar\\Recent File List";
inline constexpr const char* kWorkspaceKey = "SOFTWARE\\ORVALE\\Tessellar\\Settings";
inline constexpr const char* kSelectedSkin = "SelectedSkin";
inline constexpr int kRecentFileCount = 4;

// 0 the default look, 1 Office XP, 2 Office 2003.
inline constexpr int kDefaultSkin = 2;
int ReadSelectedSkin(const RegistryAccess& registry);
void WriteSelectedSkin(RegistryAccess& registry, int skin);

// Creates the machine-wide "Path_op6" key when it is missing and, only
// then, stores the executable's path as its default value. Returns whether
// the key was created.
bool RegisterExecutablePath(RegistryAccess& registry, std::string_view executablePath);

// The most recent file first, at most four, each path once.
class RecentFileList {
public:
    void Load(const RegistryAccess& registry);
    void Save(RegistryAccess& registry) const;
    void Add(std::string_view path);
    void Remove(std::string_view path);
    const std::vector<std::string>& Files() const { return files_; }

private:
    std::vector<std::string> files_;
};

// A workspace value of the window (its geometry, dock layout, a toolbar's
// buttons); empty when none was stored.
std::string ReadWorkspaceValue(const RegistryAccess& registry, std::string_view name);
void WriteWorkspaceValue(RegistryAccess& registry, std::string_view name, std::string_view value);

}  // namespace settings
