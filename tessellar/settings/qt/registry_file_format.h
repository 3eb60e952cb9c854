#pragma once
// The INI files that stand in for the registry where there is none:
//
//   [SOFTWARE\ORVALE\Color]
//   normal=navy/silver
//   [SOFTWARE\ORVALE\TESSEL\Mapping]
//   /usr/progs=P:\progs
//
// A section names a key with "\" as in the registry, each line below it is a
// value, name and data apart at the first "=", blanks around both ignored;
// "@" is the key's default value. Lines starting with ";" or "#" are
// comments. A character the line could not hold ("%", "=" in a name, a line
// break, a blank at either end) is written as "%" and two hex digits. A line
// that fits none of these is skipped, and so are the values under a section
// line without its "]": one mistyped line neither hides the rest of the file
// nor moves values into another key.

#include <QIODevice>
#include <QSettings>

namespace settings {

// Registered with QSettings on first use.
QSettings::Format RegistryFileFormat();

bool ReadRegistryFile(QIODevice& device, QSettings::SettingsMap& map);
bool WriteRegistryFile(QIODevice& device, const QSettings::SettingsMap& map);

}  // namespace settings
