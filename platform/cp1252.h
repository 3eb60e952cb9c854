#pragma once
// Code page 1252, the single-byte text of programs and override files, and
// Unicode: one character each way, and whole texts as UTF-8 for formats
// that must carry it (JSON).

#include <string>
#include <string_view>

namespace platform {

// The five bytes code page 1252 leaves undefined stay the control
// characters of the same number.
char16_t UnicodeFromCp1252(unsigned char byte);

// Characters code page 1252 cannot hold become "?".
char Cp1252FromUnicode(char16_t unicode);

std::string Utf8FromCp1252(std::string_view bytes);

// One character of the Basic Multilingual Plane as UTF-8.
void AppendUtf8(std::string& out, char32_t code);

}  // namespace platform
