#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <memory>

#include "platform/message_sink.h"
#include "tessellar/settings/qt/registry.h"
#include "tessellar/settings/registry_keys.h"
#include "tessellar/settings/settings_loader.h"

namespace settings {

class RegistryTest : public QObject {
    Q_OBJECT

private slots:
    void init() { directory_ = std::make_unique<QTemporaryDir>(); }

    void DefaultFilesLiveInTheConfigDirectories();
    void NamesAndDataSurviveTheFile();
    void HandEditedFileSetsTheScheme();
    void OverlayHidesMachineValuesAndTakesWrites();
    void KeysAppearWithValuesAndGoWithTheirSubkeys();
    void UnwritableFileReportsTheSystemText();
    void WritesReplaceTheFile();

private:
    QString FilePath(const QString& name) const { return directory_->filePath(name); }
    RegistryLocations Locations() const { return RegistryLocations::InDirectory(directory_->path()); }
    void WriteFile(const QString& name, const QByteArray& text) const {
        QFile file(FilePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray ReadFile(const QString& name) const {
        QFile file(FilePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<QTemporaryDir> directory_;
};

void RegistryTest::DefaultFilesLiveInTheConfigDirectories() {
    qputenv("XDG_CONFIG_HOME", directory_->path().toUtf8());
    qputenv("XDG_CONFIG_DIRS", "/etc/xdg");
    const RegistryLocations locations = RegistryLocations::Default();
    QCOMPARE(locations.currentUser, FilePath("ORVALE/current_user.ini"));
    QCOMPARE(locations.localMachineOverlay, FilePath("ORVALE/local_machine.ini"));
    QCOMPARE(locations.localMachine, QStringLiteral("/etc/xdg/ORVALE/local_machine.ini"));
}

void RegistryTest::NamesAndDataSurviveTheFile() {
    const std::pair<std::string, std::string> values[] = {
        {"/usr/progs", "P:\\progs"},
        {"\\progs\\old", "%TEMP%\\x"},
        {"a=b", " padded "},
        {"@", "line one\nline two"},
        {"", "the default value"},
        {"[section];#", "caf\xE9"},
    };
    {
        Registry registry(Locations());
        for (const auto& [name, data] : values) {
            QVERIFY(registry.WriteString(RegistryRoot::LocalMachine, keys::kMapping, name, data).ok);
        }
    }
    const QByteArray file = ReadFile("local_machine.overlay.ini");
    QVERIFY(file.contains("[SOFTWARE\\ORVALE\\TESSEL\\Mapping]\n"));
    QVERIFY(file.contains("\n/usr/progs=P:\\progs\n"));

    Registry reread(Locations());
    const auto enumerated = reread.EnumerateValues(RegistryRoot::LocalMachine, keys::kMapping);
    QVERIFY(enumerated.has_value());
    QCOMPARE(enumerated->size(), std::size(values));
    for (const auto& [name, data] : values) {
        QCOMPARE(reread.ReadString(RegistryRoot::LocalMachine, keys::kMapping, name), std::optional<std::string>(data));
    }
}

void RegistryTest::HandEditedFileSetsTheScheme() {
    // The example of the README, with the slips a hand edit may bring.
    WriteFile("current_user.ini",
              "; my colours\n"
              "[SOFTWARE\\ORVALE\\Color]\n"
              "normal = yellow/navy\n"
              "dim=white\n"
              "this line is a slip\n"
              "reverse=black/aqua\n"
              "[SOFTWARE\\ORVALE\\Settings\n"
              "blink=red/red\n"
              "\n"
              "[SOFTWARE\\ORVALE\\Settings]\r\n"
              "font_norm=Courier New,16,700,0,49,0\r\n");
    Registry registry(Locations());
    const ColourScheme scheme = LoadColourScheme(registry);
    QVERIFY(scheme.loaded);
    QCOMPARE(scheme[SchemeEntry::Normal].foreground, model::Rgb(255, 255, 0));
    QCOMPARE(scheme[SchemeEntry::Normal].background, model::colour::kNavy);
    QCOMPARE(scheme[SchemeEntry::Dim].foreground, model::colour::kWhite);
    QCOMPARE(scheme[SchemeEntry::Reverse].background, model::Rgb(0, 255, 255));
    QCOMPARE(scheme[SchemeEntry::Blink].foreground, model::colour::kWhite);  // under a broken section line
    const std::optional<model::FontDescription> font = LoadScreenFont(registry);
    QVERIFY(font.has_value());
    QCOMPARE(font->faceName, std::string("Courier New"));
    QCOMPARE(font->pitchAndFamily, 49);
}

void RegistryTest::OverlayHidesMachineValuesAndTakesWrites() {
    const QByteArray machine = "[SOFTWARE\\ORVALE\\TESSEL\\Mapping]\n/usr/a=A:\\\n/usr/b=B:\\\n";
    WriteFile("local_machine.ini", machine);
    WriteFile("local_machine.overlay.ini", "[SOFTWARE\\ORVALE\\TESSEL\\Mapping]\n/usr/b=Mine:\\\n");
    Registry registry(Locations());

    QCOMPARE(registry.ReadString(RegistryRoot::LocalMachine, keys::kMapping, "/usr/a"), std::optional<std::string>("A:\\"));
    QCOMPARE(registry.ReadString(RegistryRoot::LocalMachine, keys::kMapping, "/usr/b"), std::optional<std::string>("Mine:\\"));
    QCOMPARE(registry.EnumerateValues(RegistryRoot::LocalMachine, keys::kMapping)->size(), std::size_t{2});

    QVERIFY(registry.WriteString(RegistryRoot::LocalMachine, keys::kMapping, "/usr/a", "New:\\").ok);
    QCOMPARE(registry.ReadString(RegistryRoot::LocalMachine, keys::kMapping, "/usr/a"), std::optional<std::string>("New:\\"));
    QCOMPARE(ReadFile("local_machine.ini"), machine);
}

void RegistryTest::KeysAppearWithValuesAndGoWithTheirSubkeys() {
    Registry registry(Locations());
    const std::string parameters = std::string(keys::kTriggerParameters) + "\\screen1.field";
    QVERIFY(!registry.EnumerateValues(RegistryRoot::CurrentUser, keys::kTriggerParameters).has_value());

    bool created = false;
    QVERIFY(registry.CreateKey(RegistryRoot::CurrentUser, parameters, &created).ok);
    QVERIFY(created);
    QVERIFY(registry.WriteString(RegistryRoot::CurrentUser, parameters, "1", "$name").ok);
    QVERIFY(registry.CreateKey(RegistryRoot::CurrentUser, parameters, &created).ok);
    QVERIFY(!created);
    // A key with only subkeys exists and has no values.
    QVERIFY(registry.EnumerateValues(RegistryRoot::CurrentUser, keys::kTriggerParameters)->empty());

    QVERIFY(registry.WriteString(RegistryRoot::CurrentUser, keys::kApplication, keys::kLaunchMessage, "NO").ok);
    QVERIFY(registry.DeleteKey(RegistryRoot::CurrentUser, "SOFTWARE\\ORVALE\\TESSELLAR\\Trigger").ok);
    QVERIFY(!registry.EnumerateValues(RegistryRoot::CurrentUser, parameters).has_value());
    QVERIFY2(!ReadLaunchMessage(registry), "a sibling key stays");
}

void RegistryTest::UnwritableFileReportsTheSystemText() {
    WriteFile("not-a-directory", "");
    RegistryLocations locations = Locations();
    locations.currentUser = FilePath("not-a-directory/current_user.ini");
    Registry registry(locations);
    QVERIFY(ReadLaunchMessage(registry));

    platform::RecordingMessageSink messages;
    QVERIFY(!WriteLaunchMessage(registry, false, messages));
    QCOMPARE(messages.Messages().size(), std::size_t{1});
    QVERIFY(!messages.Messages().front().empty());
}

void RegistryTest::WritesReplaceTheFile() {
    Registry registry(Locations());
    QVERIFY(registry.WriteString(RegistryRoot::CurrentUser, keys::kColor, "normal", "white/navy").ok);
    struct stat before {};
    QCOMPARE(::stat(FilePath("current_user.ini").toLocal8Bit().constData(), &before), 0);
    QVERIFY(registry.WriteString(RegistryRoot::CurrentUser, keys::kColor, "normal", "black/white").ok);
    struct stat after {};
    QCOMPARE(::stat(FilePath("current_user.ini").toLocal8Bit().constData(), &after), 0);
    QVERIFY2(before.st_ino != after.st_ino, "a new file is renamed over the old one, never rewritten in place");
}

}  // namespace settings

QTEST_GUILESS_MAIN(settings::RegistryTest)
#include "registry_test.moc"
