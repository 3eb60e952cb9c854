#pragma once
// The core holds paths as the file system's own bytes; widgets, processes and
// Qt's file classes hold QString. These convert at that boundary, as Qt names
// files (not as code page 1252 texts, which paths are not).

#include <QString>

#include <string>
#include <string_view>

namespace platform {

QString QStringFromPath(std::string_view path);
std::string PathFromQString(const QString& path);

}  // namespace platform
