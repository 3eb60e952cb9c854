#include "tessellar/overrides/line_reader.h"

#include <streambuf>

namespace overrides {

bool LineReader::Next(std::string& line) {
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

}  // namespace overrides
