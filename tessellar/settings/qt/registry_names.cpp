#include "tessellar/settings/qt/registry_names.h"

namespace settings {

namespace {

const QString kDefaultValueName = QStringLiteral("@");

bool NeedsEscape(QChar c, bool atEdge) {
    switch (c.unicode()) {
        case '%': case '/': case '\\': case '=': case '@': case '[': case ']': case ';': case '#':
        case '\r': case '\n':
            return true;
        case ' ': case '\t':
            return atEdge;  // the file format trims unescaped blanks at either end
        default:
            return false;
    }
}

int HexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    return -1;
}

}  // namespace

QString EscapeComponent(const QString& text) {
    QString escaped;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (NeedsEscape(c, i == 0 || i == text.size() - 1)) {
            escaped += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        } else {
            escaped += c;
        }
    }
    return escaped;
}

QString UnescapeComponent(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            plain += QChar(char16_t(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2])));
            i += 2;
        } else {
            plain += text[i];
        }
    }
    return plain;
}

QString SettingsGroupOf(const QString& key) {
    QStringList components;
    for (const QString& component : key.split(u'\\', Qt::SkipEmptyParts)) components << EscapeComponent(component);
    return components.join(u'/');
}

QString SettingsNameOf(const QString& valueName) {
    return valueName.isEmpty() ? kDefaultValueName : EscapeComponent(valueName);
}

QString ValueNameOf(const QString& settingsName) {
    return settingsName == kDefaultValueName ? QString() : UnescapeComponent(settingsName);
}

}  // namespace settings
