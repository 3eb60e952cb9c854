#include "tessellar/settings/qt/registry_file_format.h"

#include <QMap>
#include <QStringList>
#include <QVector>

#include <optional>

#include "tessellar/settings/qt/registry_names.h"

namespace settings {

namespace {

enum class Part { Section, Name, Data };

const QString kDefaultValueName = QStringLiteral("@");

const char kFileHeader[] =
    "; Tessellar settings: [key] sections with name=data values, as in the registry.\n";

QString EscapeForFile(const QString& text, Part part) {
    if (part == Part::Name && text == kDefaultValueName) return QStringLiteral("%40");
    QString escaped;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool atEdge = i == 0 || i == text.size() - 1;
        bool escape = c == u'%' || c == u'\r' || c == u'\n' || (atEdge && (c == u' ' || c == u'\t'));
        if (part == Part::Name) escape = escape || c == u'=' || (i == 0 && (c == u'[' || c == u';' || c == u'#'));
        if (part == Part::Section) escape = escape || c == u']' || c == u'\\';
        escaped += escape ? QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper() : QString(c);
    }
    return escaped;
}

QString SettingsNameFromFile(const QString& name) {
    return name == kDefaultValueName ? name : EscapeComponent(UnescapeComponent(name));
}

QString FileNameFromSettings(const QString& name) {
    return name == kDefaultValueName ? name : EscapeForFile(UnescapeComponent(name), Part::Name);
}

QString GroupFromSection(const QString& section) {
    QStringList components;
    for (const QString& component : section.split(u'\\', Qt::SkipEmptyParts)) {
        components << EscapeComponent(UnescapeComponent(component.trimmed()));
    }
    return components.join(u'/');
}

QString SectionFromGroup(const QString& group) {
    QStringList components;
    for (const QString& component : group.split(u'/')) {
        components << EscapeForFile(UnescapeComponent(component), Part::Section);
    }
    return components.join(u'\\');
}

}  // namespace

bool ReadRegistryFile(QIODevice& device, QSettings::SettingsMap& map) {
    const QStringList lines = QString::fromUtf8(device.readAll()).split(u'\n');
    // Nothing while a mistyped section line leaves the key unknown, so its
    // values never land in the key above it.
    std::optional<QString> group = QString();
    for (const QString& rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
        if (line.startsWith(u'[')) {
            group.reset();
            if (line.endsWith(u']')) group = GroupFromSection(line.mid(1, line.size() - 2));
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!group || equals <= 0) continue;
        const QString name = line.left(equals).trimmed();
        if (name.isEmpty()) continue;
        const QString key = SettingsNameFromFile(name);
        map.insert(group->isEmpty() ? key : *group + u'/' + key, UnescapeComponent(line.mid(equals + 1).trimmed()));
    }
    return true;
}

bool WriteRegistryFile(QIODevice& device, const QSettings::SettingsMap& map) {
    // One section per key, even where the sorted keys of a key's subkeys fall
    // between its values.
    QMap<QString, QVector<QPair<QString, QString>>> sections;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        const qsizetype slash = it.key().lastIndexOf(u'/');
        const QString group = slash < 0 ? QString() : it.key().left(slash);
        const QString name = it.key().mid(slash + 1);
        const QVariant& value = it.value();
        const QString data = value.typeId() == QMetaType::QStringList ? value.toStringList().join(u',') : value.toString();
        sections[group].append({FileNameFromSettings(name), EscapeForFile(data, Part::Data)});
    }

    QByteArray text(kFileHeader);
    for (auto section = sections.constBegin(); section != sections.constEnd(); ++section) {
        if (!section.key().isEmpty()) text += "\n[" + SectionFromGroup(section.key()).toUtf8() + "]\n";
        for (const auto& [name, data] : section.value()) text += (name + u'=' + data + u'\n').toUtf8();
    }
    return device.write(text) == text.size();
}

QSettings::Format RegistryFileFormat() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("ini"), ReadRegistryFile, WriteRegistryFile, Qt::CaseSensitive);
    return format;
}

}  // namespace settings
