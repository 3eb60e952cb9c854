#include "platform/qt/path_text.h"

#include <QByteArray>
#include <QFile>

namespace platform {

QString QStringFromPath(std::string_view path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string PathFromQString(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace platform
