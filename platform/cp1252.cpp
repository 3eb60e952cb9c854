#include "platform/cp1252.h"

#include <array>

namespace platform {

namespace {

// Bytes 0x80..0x9F; 0 marks the five undefined bytes.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

char16_t UnicodeFromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0) return kHighControls[byte - 0x80];
    return byte;
}

char Cp1252FromUnicode(char16_t unicode) {
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF)) return static_cast<char>(unicode);
    for (std::size_t index = 0; index < kHighControls.size(); ++index) {
        const char16_t mapped = kHighControls[index] == 0 ? char16_t(0x80 + index) : kHighControls[index];
        if (mapped == unicode) return static_cast<char>(0x80 + index);
    }
    return '?';
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

std::string Utf8FromCp1252(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) AppendUtf8(text, UnicodeFromCp1252(static_cast<unsigned char>(byte)));
    return text;
}

}  // namespace platform
