#pragma once
// Reads fields back from written images, independently of the writer, the
// way the format defines them: big-endian, Int24 = 3 bytes.

#include <cstdint>
#include <string>
#include <vector>

namespace opimage::testing {

using Bytes = std::vector<std::uint8_t>;

inline std::uint32_t Int24(const Bytes& bytes, std::uint32_t at) {
    return static_cast<std::uint32_t>(bytes.at(at) << 16 | bytes.at(at + 1) << 8 | bytes.at(at + 2));
}

inline std::uint16_t U16(const Bytes& bytes, std::uint32_t at) {
    return static_cast<std::uint16_t>(bytes.at(at) << 8 | bytes.at(at + 1));
}

inline std::uint32_t U32(const Bytes& bytes, std::uint32_t at) {
    return static_cast<std::uint32_t>(bytes.at(at)) << 24 | Int24(bytes, at + 1);
}

inline std::string String(const Bytes& bytes, std::uint32_t at) {
    std::string text;
    while (bytes.at(at) != 0) text += static_cast<char>(bytes.at(at++));
    return text;
}

// The text of text number n through the header's text table.
inline std::string TextOf(const Bytes& bytes, std::uint16_t number) {
    return String(bytes, Int24(bytes, Int24(bytes, 30) + 5 * number + 2));
}

// The offsets of a chain's records, following the Int24 next field at `next`.
inline std::vector<std::uint32_t> Chain(const Bytes& bytes, std::uint32_t first, std::uint32_t next = 0) {
    std::vector<std::uint32_t> offsets;
    for (std::uint32_t at = first; at != 0 && offsets.size() < 1000; at = Int24(bytes, at + next)) {
        offsets.push_back(at);
    }
    return offsets;
}

}  // namespace opimage::testing
