#pragma once
// The registry on QSettings: the native registry on Windows, INI files in the
// registry file format elsewhere. Key paths stay as the registry names them
// ("SOFTWARE\ORVALE\Color").
//
// Files elsewhere: the current user's in the user's configuration directory;
// the local machine's is a machine-wide file that a normal user cannot change,
// read through the user's own overlay file, which takes every write. So a
// user can still store path mappings, and an administrator can give every
// user the same ones. A file that cannot be read reads as empty, so its
// settings keep their defaults.

#include <QString>

#include <memory>

#include "tessellar/settings/registry_access.h"

class QSettings;

namespace settings {

struct RegistryLocations {
    bool native = false;           // the Windows registry; the paths below are unused
    QString currentUser;           // ~/.config/ORVALE/current_user.ini
    QString localMachine;          // /etc/xdg/ORVALE/local_machine.ini
    QString localMachineOverlay;   // ~/.config/ORVALE/local_machine.ini
    QString classesRoot;           // /etc/xdg/ORVALE/classes_root.ini

    static RegistryLocations Default();
    // Every file in one directory, for tests and for trying settings out.
    static RegistryLocations InDirectory(const QString& directory);
};

class Registry : public RegistryAccess {
public:
    explicit Registry(const RegistryLocations& locations = RegistryLocations::Default());
    ~Registry() override;
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    const RegistryLocations& Locations() const { return locations_; }

    std::optional<std::vector<RegistryValue>> EnumerateValues(RegistryRoot root,
                                                               std::string_view key) const override;
    std::optional<std::string> ReadString(RegistryRoot root, std::string_view key,
                                          std::string_view name) const override;
    RegistryResult WriteString(RegistryRoot root, std::string_view key, std::string_view name,
                               std::string_view data) override;
    // Where keys live in files, a key exists while it holds a value or a
    // subkey: a created key stays only once something is written into it.
    RegistryResult CreateKey(RegistryRoot root, std::string_view key, bool* created) override;
    // Deletes from every store of the root that can be changed; a key in the
    // machine-wide file stays when the user cannot write that file.
    RegistryResult DeleteKey(RegistryRoot root, std::string_view key) override;

private:
    struct Root {
        std::unique_ptr<QSettings> writable;
        std::unique_ptr<QSettings> fallback;  // read below the writable store, never written
    };
    const Root& RootOf(RegistryRoot root) const;
    Root& RootOf(RegistryRoot root);
    bool KeyExists(const Root& root, const QString& group) const;

    RegistryLocations locations_;
    Root currentUser_;
    Root localMachine_;
    Root classesRoot_;
};

}  // namespace settings
