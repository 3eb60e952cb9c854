#include "platform/qt/cp1252_text.h"

#include "platform/cp1252.h"

namespace platform {

QString QStringFromCp1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char byte : bytes) text.append(QChar(UnicodeFromCp1252(static_cast<unsigned char>(byte))));
    return text;
}

std::string Cp1252FromQString(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar character : text) bytes.push_back(Cp1252FromUnicode(character.unicode()));
    return bytes;
}

}  // namespace platform
