#pragma once
// Reads an override file the way the runtime does: through a 511-byte
// buffer, so at most 510 characters come per read and a longer line arrives
// as several lines. Each line keeps its newline; "\r\n" reads as "\n"; a NUL
// byte ends the line's text (the rest of that read is dropped) and the line
// so cut ends with a newline.

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace overrides {

inline constexpr std::size_t kLineBufferSize = 511;
inline constexpr std::size_t kMaxLineRead = kLineBufferSize - 1;

class LineReader {
public:
    explicit LineReader(std::istream& in) : in_(&in) {}
    // Reads a text held in memory, which must outlive the reader: the same
    // lines as from a stream of it, without a stream's cost per character.
    explicit LineReader(std::string_view text) : text_(text), size_(text.size()) {}

    // The next line, or false at the end of the input. A read error ends
    // the input: the stream is marked bad and nothing is thrown.
    bool Next(std::string& line);
    // For a text held in memory with no "\r" and no NUL, which the reader
    // gives back unchanged: the same next line, as a view into the text.
    bool NextInPlace(std::string_view& line);
    // How far into a text held in memory the lines read so far reach: the
    // offset the next line starts at.
    std::size_t Offset() const { return size_ - text_.size(); }

private:
    bool ReadLine(std::string& line);
    bool ReadTextLine(std::string& line);

    std::istream* in_ = nullptr;
    std::string_view text_;
    std::size_t size_ = 0;
};

// The whole of an override file, or none when it cannot be opened or read
// to its end (a directory, a read error part-way); never throws.
std::optional<std::string> ReadOverrideText(const std::string& path);

}  // namespace overrides
