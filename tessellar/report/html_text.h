#pragma once
// Texts made safe for a page: a program's or an override file's text
// (code page 1252) and a path (the system's bytes) become UTF-8 with every
// character HTML gives a meaning to written as a reference, so that no text
// can open an element, close an attribute or run a script.

#include <string>
#include <string_view>

namespace report {

// For text and for attribute values alike (quotes are escaped too).
// Control characters other than tab and line end show as their symbols.
std::string HtmlText(std::string_view cp1252);

// A path: valid UTF-8 as it is, anything else read as code page 1252.
std::string HtmlPath(std::string_view path);

// A file name safe in a link and on any file system: letters, digits, "-"
// and "_" kept, everything else "_", at most 60 characters; never empty.
std::string PlainFileName(std::string_view name);

}  // namespace report
