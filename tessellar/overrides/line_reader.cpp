#include "tessellar/overrides/line_reader.h"

#include <array>
#include <fstream>
#include <new>
#include <streambuf>

namespace overrides {

bool LineReader::Next(std::string& line) {
    // A file stream's buffer throws on a read error, whatever the stream's
    // exception mask says.
    try {
        return ReadLine(line);
    } catch (...) {
        line.clear();
        try {
            in_.setstate(std::ios::badbit);
        } catch (...) {  // the caller's exception mask: the input still ends here
        }
        return false;
    }
}

bool LineReader::ReadLine(std::string& line) {
    line.clear();
    std::streambuf* buffer = in_.rdbuf();
    if (buffer == nullptr || !in_.good()) return false;

    using Traits = std::char_traits<char>;
    std::size_t taken = 0;
    bool cut = false;  // a NUL was met: the rest of this read is not text
    bool any = false;
    while (taken < kMaxLineRead) {
        Traits::int_type next = buffer->sbumpc();
        if (Traits::eq_int_type(next, Traits::eof())) {
            in_.setstate(std::ios::eofbit);
            break;
        }
        any = true;
        char c = Traits::to_char_type(next);
        if (c == '\r' && Traits::eq_int_type(buffer->sgetc(), Traits::to_int_type('\n'))) {
            buffer->sbumpc();
            c = '\n';
        }
        ++taken;
        if (c == '\0') cut = true;
        if (!cut) line.push_back(c);
        if (c == '\n') break;
    }
    // The line's text ended at the NUL, the line itself did not: it keeps a
    // newline, so that whoever collects lines never joins the next one to it.
    if (cut) line.push_back('\n');
    return any;
}

std::optional<std::string> ReadOverrideText(const std::string& path) {
    try {
        std::ifstream in(path, std::ios::binary);
        if (!in) return std::nullopt;
        std::string text;
        std::array<char, 4096> block;
        while (in.read(block.data(), block.size()) || in.gcount() > 0) {
            text.append(block.data(), static_cast<std::size_t>(in.gcount()));
        }
        if (in.bad()) return std::nullopt;
        return text;
    } catch (...) {  // a read error under a throwing mask, or no memory for the text
        return std::nullopt;
    }
}

}  // namespace overrides
