#pragma once
// Reads an override file the way the runtime does: through a 511-byte
// buffer, so at most 510 characters come per read and a longer line arrives
// as several lines. Each line keeps its newline; "\r\n" reads as "\n"; a NUL
// byte ends the line's text (the rest of that read is dropped) and the line
// so cut ends with a newline.

#include <cstddef>
#include <istream>
#include <string>

namespace overrides {

inline constexpr std::size_t kLineBufferSize = 511;
inline constexpr std::size_t kMaxLineRead = kLineBufferSize - 1;

class LineReader {
public:
    explicit LineReader(std::istream& in) : in_(in) {}

    // The next line, or false at the end of the input.
    bool Next(std::string& line);

private:
    std::istream& in_;
};

}  // namespace overrides
