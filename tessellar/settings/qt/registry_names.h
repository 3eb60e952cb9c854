#pragma once
// Registry key paths and value names in QSettings' key space. QSettings takes
// "/" and "\" as group separators, but value names are often paths
// ("/usr/progs"), so every component is percent-escaped before it reaches
// QSettings, and the default value ("") has the name "@".

#include <QString>
#include <QStringList>

namespace settings {

// "SOFTWARE\ORVALE\Color" to the QSettings group "SOFTWARE/ORVALE/Color".
QString SettingsGroupOf(const QString& key);
QString SettingsNameOf(const QString& valueName);
QString ValueNameOf(const QString& settingsName);

// Percent escapes of one component; decoding leaves a "%" that does not
// start two hex digits as it is.
QString EscapeComponent(const QString& text);
QString UnescapeComponent(const QString& text);

}  // namespace settings
