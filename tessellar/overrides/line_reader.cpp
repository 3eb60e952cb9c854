#include "tessellar/overrides/line_reader.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <streambuf>
#include <system_error>
#include <vector>

namespace overrides {

namespace {

// Work files run to some hundred kilobytes: read in few calls.
constexpr std::size_t kReadBlock = 64 * 1024;

}  // namespace

bool LineReader::Next(std::string& line) {
    if (in_ == nullptr) return ReadTextLine(line);
    // A file stream's buffer throws on a read error, whatever the stream's
    // exception mask says.
    try {
        return ReadLine(line);
    } catch (...) {
        line.clear();
        try {
            in_->setstate(std::ios::badbit);
        } catch (...) {  // the caller's exception mask: the input still ends here
        }
        return false;
    }
}

bool LineReader::ReadLine(std::string& line) {
    line.clear();
    std::streambuf* buffer = in_->rdbuf();
    if (buffer == nullptr || !in_->good()) return false;

    using Traits = std::char_traits<char>;
    std::size_t taken = 0;
    bool cut = false;  // a NUL was met: the rest of this read is not text
    bool any = false;
    while (taken < kMaxLineRead) {
        Traits::int_type next = buffer->sbumpc();
        if (Traits::eq_int_type(next, Traits::eof())) {
            in_->setstate(std::ios::eofbit);
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

bool LineReader::ReadTextLine(std::string& line) {
    line.clear();
    if (text_.empty()) return false;
    // Most lines are short and hold neither "\r" nor NUL: taken whole, found
    // in one look at each character.
    const std::size_t limit = std::min(text_.size(), kMaxLineRead);
    std::size_t end = 0;
    for (; end < limit; ++end) {
        // One test for the printable characters that make up most of a line.
        const auto c = static_cast<unsigned char>(text_[end]);
        if (c <= '\r' && (c == '\n' || c == '\r' || c == '\0')) break;
    }
    if (end == limit || text_[end] == '\n') {
        const std::size_t length = end == limit ? end : end + 1;
        line.assign(text_.substr(0, length));
        text_.remove_prefix(length);
        return true;
    }
    // The rest of the line as the stream reader takes it, character by character.
    std::size_t position = 0;
    std::size_t taken = 0;
    bool cut = false;
    while (taken < kMaxLineRead && position < text_.size()) {
        char c = text_[position++];
        if (c == '\r' && position < text_.size() && text_[position] == '\n') {
            ++position;
            c = '\n';
        }
        ++taken;
        if (c == '\0') cut = true;
        if (!cut) line.push_back(c);
        if (c == '\n') break;
    }
    if (cut) line.push_back('\n');
    text_.remove_prefix(position);
    return true;
}

bool LineReader::NextInPlace(std::string_view& line) {
    if (text_.empty()) return false;
    // ReadTextLine's plain case: up to the line end, at most one read.
    const std::size_t limit = std::min(text_.size(), kMaxLineRead);
    const void* end = std::memchr(text_.data(), '\n', limit);
    const std::size_t length =
        end == nullptr ? limit : static_cast<std::size_t>(static_cast<const char*>(end) - text_.data()) + 1;
    line = text_.substr(0, length);
    text_.remove_prefix(length);
    return true;
}

std::optional<std::string> ReadOverrideText(const std::string& path) {
    try {
        std::ifstream in(path, std::ios::binary);
        if (!in) return std::nullopt;
        std::string text;
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (!error) text.reserve(static_cast<std::size_t>(size));
        std::vector<char> block(kReadBlock);
        while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0) {
            text.append(block.data(), static_cast<std::size_t>(in.gcount()));
        }
        if (in.bad()) return std::nullopt;
        return text;
    } catch (...) {  // a read error under a throwing mask, or no memory for the text
        return std::nullopt;
    }
}

}  // namespace overrides
