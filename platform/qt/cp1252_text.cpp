#include "platform/qt/cp1252_text.h"

#include <array>

namespace platform {

namespace {

// Bytes 0x80..0x9F; 0 marks the five bytes code page 1252 leaves undefined,
// which are kept as the control characters of the same number.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t UnicodeOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0) return kHighControls[byte - 0x80];
    return byte;
}

char ByteOf(char16_t unicode) {
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF)) return static_cast<char>(unicode);
    for (std::size_t index = 0; index < kHighControls.size(); ++index) {
        const char16_t mapped = kHighControls[index] == 0 ? char16_t(0x80 + index) : kHighControls[index];
        if (mapped == unicode) return static_cast<char>(0x80 + index);
    }
    return '?';
}

}  // namespace

QString QStringFromCp1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char byte : bytes) text.append(QChar(UnicodeOf(static_cast<unsigned char>(byte))));
    return text;
}

std::string Cp1252FromQString(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar character : text) bytes.push_back(ByteOf(character.unicode()));
    return bytes;
}

}  // namespace platform
