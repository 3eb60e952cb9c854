#pragma once
// The whole compiled program file in one block. Every record is read field by
// field through the bounds-checked readers below: a field outside the block
// reads as 0 and a string outside it as empty text, so a damaged file can
// never make a reader touch memory it does not own.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace program {

class ProgramImage {
public:
    ProgramImage() = default;
    explicit ProgramImage(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    std::size_t Size() const { return bytes_.size(); }
    std::span<const std::uint8_t> Bytes() const { return bytes_; }

    // True when [offset, offset + length) lies inside the image.
    bool Contains(std::uint64_t offset, std::uint64_t length) const {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }

private:
    std::vector<std::uint8_t> bytes_;
};

std::uint8_t ReadByte(const ProgramImage& image, std::uint64_t offset);
// Big-endian unsigned 16-bit, 24-bit and 32-bit fields; 0 when any byte lies
// outside. The format's Int24 fields (offsets, coordinates) are unsigned
// 24-bit values read by ReadU24; a coordinate's top bit marks an expression.
std::uint16_t ReadU16(const ProgramImage& image, std::uint64_t offset);
std::uint32_t ReadU24(const ProgramImage& image, std::uint64_t offset);
std::uint32_t ReadU32(const ProgramImage& image, std::uint64_t offset);

// The NUL-terminated text at an offset; a text that runs to the end of the
// image ends there. Offset 0 is "none" and gives empty text.
std::string ReadString(const ProgramImage& image, std::uint64_t offset);
// The same text cut to capacity - 1 characters, as a fixed field holds it.
std::string ReadString(const ProgramImage& image, std::uint64_t offset, std::size_t capacity);

// Coordinates whose top bit is set are computed at run time.
inline constexpr std::uint32_t kExpressionBit = 0x800000;
inline constexpr const char* kExpressionText = "<expression>";

constexpr bool IsExpression(std::uint32_t int24) { return (int24 & kExpressionBit) != 0; }

// A coordinate as the screen uses it: a run-time value counts as 1.
constexpr std::uint32_t CoordinateValue(std::uint32_t int24) {
    return IsExpression(int24) ? 1 : int24;
}

// A coordinate as printed: "<expression>" for a run-time value, else decimal.
std::string CoordinateText(std::uint32_t int24);

}  // namespace program
