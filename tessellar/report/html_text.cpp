#include "tessellar/report/html_text.h"

#include "platform/cp1252.h"
#include "promptsweep/text_encoding.h"

namespace report {

namespace {

constexpr std::size_t kLongestFileName = 60;

// Escapes UTF-8 text.
std::string Escaped(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + utf8.size() / 8);
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            case '\t':
            case '\n': out += c; break;
            default:
                if (byte < 0x20 || byte == 0x7f) {
                    // U+2400 to U+241F and U+2421: the control pictures.
                    const unsigned symbol = byte == 0x7f ? 0x2421 : 0x2400 + byte;
                    out += "&#x" + std::string(1, "0123456789ABCDEF"[(symbol >> 12) & 15]) +
                           "0123456789ABCDEF"[(symbol >> 8) & 15] + "0123456789ABCDEF"[(symbol >> 4) & 15] +
                           "0123456789ABCDEF"[symbol & 15] + ";";
                } else {
                    out += c;
                }
        }
    }
    return out;
}

}  // namespace

std::string HtmlText(std::string_view cp1252) { return Escaped(platform::Utf8FromCp1252(cp1252)); }

std::string HtmlPath(std::string_view path) { return Escaped(promptsweep::Utf8FromSystemText(path)); }

std::string PlainFileName(std::string_view name) {
    std::string plain;
    for (const char c : name.substr(0, kLongestFileName)) {
        const bool keep = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
        plain += keep ? c : '_';
    }
    return plain.empty() ? "_" : plain;
}

}  // namespace report
