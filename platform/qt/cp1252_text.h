#pragma once
// The core keeps text as code page 1252 bytes; widgets and settings files
// hold QString. These convert at that boundary.

#include <QString>

#include <string>
#include <string_view>

namespace platform {

QString QStringFromCp1252(std::string_view bytes);

// Characters code page 1252 cannot hold become "?".
std::string Cp1252FromQString(const QString& text);

}  // namespace platform
