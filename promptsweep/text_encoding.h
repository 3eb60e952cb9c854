#pragma once
// Texts as UTF-8 for the JSON run record. Program texts and replacement
// pairs are code page 1252 bytes; paths and arguments are the system's own
// bytes, UTF-8 where they are valid UTF-8.

#include <string>
#include <string_view>

namespace promptsweep {

// Every byte as the code page 1252 character it stands for; the five bytes
// the code page leaves undefined stay the control characters of the same
// number.
std::string Utf8FromCp1252(std::string_view bytes);

bool IsValidUtf8(std::string_view bytes);

// Valid UTF-8 as it is, anything else read as code page 1252.
std::string Utf8FromSystemText(std::string_view bytes);

}  // namespace promptsweep
