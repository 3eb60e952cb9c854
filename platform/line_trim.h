#pragma once
// Blanks and trimming in the texts of lines read from files and typed in
// boxes. Each reader keeps its own idea of a blank, so each has its name.

#include <string_view>

namespace platform {

// A blank or a tab: what separates words on a line.
inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Nothing but blanks and tabs (or nothing at all).
inline bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// White space as the C library's isspace sees it in the "C" locale: blank,
// tab, line feed, carriage return, vertical tab and form feed.
inline bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// The text without blanks and tabs at either end.
inline std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The text without blanks (spaces only, tabs stay) at either end.
inline std::string_view TrimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// The text without the characters of codes up to 32 (blanks, tabs, line ends
// and other control characters) at either end.
inline std::string_view TrimControls(std::string_view text) {
    auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isControl(text.front())) text.remove_prefix(1);
    while (!text.empty() && isControl(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace platform
