#include "tessellar/settings/qt/registry.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <set>

#include "platform/qt/cp1252_text.h"
#include "tessellar/settings/qt/registry_file_format.h"
#include "tessellar/settings/qt/registry_names.h"

namespace settings {

namespace {

const QString kCompanyDirectory = QStringLiteral("ORVALE");

std::unique_ptr<QSettings> OpenStore(const RegistryLocations& locations, const QString& file,
                                     const QString& nativeRoot) {
    if (file.isEmpty() && !locations.native) return nullptr;
    auto store = locations.native ? std::make_unique<QSettings>(nativeRoot, QSettings::NativeFormat)
                                  : std::make_unique<QSettings>(file, RegistryFileFormat());
    store->setFallbacksEnabled(false);
    // The file is replaced by renaming a complete new one over it, never rewritten in place.
    store->setAtomicSyncRequired(true);
    return store;
}

QString GroupOf(std::string_view key) { return SettingsGroupOf(platform::QStringFromCp1252(key)); }

QString ValuePath(const QString& group, std::string_view name) {
    const QString settingsName = SettingsNameOf(platform::QStringFromCp1252(name));
    return group.isEmpty() ? settingsName : group + u'/' + settingsName;
}

std::optional<std::string> TextOf(const QVariant& value) {
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    return platform::Cp1252FromQString(value.toString());
}

RegistryResult ResultOf(QSettings& store) {
    store.sync();
    if (store.status() == QSettings::NoError) return RegistryResult::Success();
    // QSettings tells no more than that the store could not be written.
    return RegistryResult::Failure(std::strerror(EACCES));
}

}  // namespace

RegistryLocations RegistryLocations::Default() {
    RegistryLocations locations;
#ifdef Q_OS_WIN
    locations.native = true;
#else
    const QString userDirectory =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + kCompanyDirectory;
    const QStringList configDirectories = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    const QString machineDirectory =
        (configDirectories.size() > 1 ? configDirectories[1] : QStringLiteral("/etc/xdg")) + u'/' + kCompanyDirectory;
    locations.currentUser = userDirectory + QStringLiteral("/current_user.ini");
    locations.localMachineOverlay = userDirectory + QStringLiteral("/local_machine.ini");
    locations.localMachine = machineDirectory + QStringLiteral("/local_machine.ini");
    locations.classesRoot = machineDirectory + QStringLiteral("/classes_root.ini");
#endif
    return locations;
}

RegistryLocations RegistryLocations::InDirectory(const QString& directory) {
    const QDir dir(directory);
    RegistryLocations locations;
    locations.currentUser = dir.filePath(QStringLiteral("current_user.ini"));
    locations.localMachine = dir.filePath(QStringLiteral("local_machine.ini"));
    locations.localMachineOverlay = dir.filePath(QStringLiteral("local_machine.overlay.ini"));
    locations.classesRoot = dir.filePath(QStringLiteral("classes_root.ini"));
    return locations;
}

Registry::Registry(const RegistryLocations& locations) : locations_(locations) {
    currentUser_.writable = OpenStore(locations_, locations_.currentUser, QStringLiteral("HKEY_CURRENT_USER"));
    localMachine_.writable =
        OpenStore(locations_, locations_.localMachineOverlay, QStringLiteral("HKEY_LOCAL_MACHINE"));
    if (!locations_.native) localMachine_.fallback = OpenStore(locations_, locations_.localMachine, {});
    classesRoot_.writable = OpenStore(locations_, locations_.classesRoot, QStringLiteral("HKEY_CLASSES_ROOT"));
}

Registry::~Registry() = default;

const Registry::Root& Registry::RootOf(RegistryRoot root) const {
    switch (root) {
        case RegistryRoot::CurrentUser: return currentUser_;
        case RegistryRoot::LocalMachine: return localMachine_;
        case RegistryRoot::ClassesRoot: break;
    }
    return classesRoot_;
}

Registry::Root& Registry::RootOf(RegistryRoot root) {
    return const_cast<Root&>(static_cast<const Registry&>(*this).RootOf(root));
}

bool Registry::KeyExists(const Root& root, const QString& group) const {
    for (QSettings* store : {root.writable.get(), root.fallback.get()}) {
        if (store == nullptr) continue;
        store->beginGroup(group);
        const bool exists = !store->childKeys().isEmpty() || !store->childGroups().isEmpty();
        store->endGroup();
        if (exists) return true;
    }
    return false;
}

std::optional<std::vector<RegistryValue>> Registry::EnumerateValues(RegistryRoot rootId,
                                                                     std::string_view key) const {
    const Root& root = RootOf(rootId);
    const QString group = GroupOf(key);
    if (!KeyExists(root, group)) return std::nullopt;

    std::vector<RegistryValue> values;
    std::set<QString> seen;  // a value of the overlay hides the machine-wide one
    for (QSettings* store : {root.writable.get(), root.fallback.get()}) {
        if (store == nullptr) continue;
        store->beginGroup(group);
        for (const QString& settingsName : store->childKeys()) {
            if (!seen.insert(settingsName).second) continue;
            values.push_back({platform::Cp1252FromQString(ValueNameOf(settingsName)), TextOf(store->value(settingsName))});
        }
        store->endGroup();
    }
    return values;
}

std::optional<std::string> Registry::ReadString(RegistryRoot rootId, std::string_view key,
                                                std::string_view name) const {
    const Root& root = RootOf(rootId);
    const QString path = ValuePath(GroupOf(key), name);
    for (QSettings* store : {root.writable.get(), root.fallback.get()}) {
        if (store == nullptr) continue;
        const QVariant value = store->value(path);
        if (value.isValid()) return TextOf(value);
    }
    return std::nullopt;
}

RegistryResult Registry::WriteString(RegistryRoot rootId, std::string_view key, std::string_view name,
                                     std::string_view data) {
    QSettings& store = *RootOf(rootId).writable;
    store.setValue(ValuePath(GroupOf(key), name), platform::QStringFromCp1252(data));
    return ResultOf(store);
}

RegistryResult Registry::CreateKey(RegistryRoot rootId, std::string_view key, bool* created) {
    Root& root = RootOf(rootId);
    const bool existed = KeyExists(root, GroupOf(key));
    if (created != nullptr) *created = !existed;
    if (!existed && !root.writable->isWritable()) return RegistryResult::Failure(std::strerror(EACCES));
    return RegistryResult::Success();
}

RegistryResult Registry::DeleteKey(RegistryRoot rootId, std::string_view key) {
    Root& root = RootOf(rootId);
    const QString group = GroupOf(key);
    if (root.fallback && root.fallback->isWritable()) {
        root.fallback->remove(group);
        root.fallback->sync();
    }
    root.writable->remove(group);
    return ResultOf(*root.writable);
}

}  // namespace settings
