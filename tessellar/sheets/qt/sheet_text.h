#pragma once
// Texts at the sheets' widget boundary: the model holds code page 1252
// bytes, widgets hold QStrings.

#include <QString>

#include <string>
#include <string_view>

namespace sheets {

inline QString Latin(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string Bytes(const QString& text) { return text.toLatin1().toStdString(); }

}  // namespace sheets
