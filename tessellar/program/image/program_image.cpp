#include "tessellar/program/image/program_image.h"

#include <algorithm>
#include <cstring>

namespace program {

namespace {

// Reads width bytes big-endian, or 0 when they do not all lie inside.
std::uint32_t ReadBigEndian(const ProgramImage& image, std::uint64_t offset, unsigned width) {
    if (!image.Contains(offset, width)) return 0;
    const std::uint8_t* bytes = image.Bytes().data() + offset;
    std::uint32_t value = 0;
    for (unsigned i = 0; i < width; ++i) value = (value << 8) | bytes[i];
    return value;
}

}  // namespace

std::uint8_t ReadByte(const ProgramImage& image, std::uint64_t offset) {
    return static_cast<std::uint8_t>(ReadBigEndian(image, offset, 1));
}

std::uint16_t ReadU16(const ProgramImage& image, std::uint64_t offset) {
    return static_cast<std::uint16_t>(ReadBigEndian(image, offset, 2));
}

std::uint32_t ReadInt24(const ProgramImage& image, std::uint64_t offset) {
    return ReadBigEndian(image, offset, 3);
}

std::uint32_t ReadU32(const ProgramImage& image, std::uint64_t offset) {
    return ReadBigEndian(image, offset, 4);
}

std::string ReadString(const ProgramImage& image, std::uint64_t offset) {
    if (offset == 0 || offset >= image.Size()) return {};
    const char* start = reinterpret_cast<const char*>(image.Bytes().data()) + offset;
    const std::size_t available = image.Size() - offset;
    const void* nul = std::memchr(start, '\0', available);
    const std::size_t length =
        nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - start) : available;
    return std::string(start, length);
}

std::string ReadString(const ProgramImage& image, std::uint64_t offset, std::size_t capacity) {
    if (capacity == 0 || offset == 0 || offset >= image.Size()) return {};
    const char* start = reinterpret_cast<const char*>(image.Bytes().data()) + offset;
    const std::size_t limit = std::min(image.Size() - offset, capacity - 1);
    const void* nul = std::memchr(start, '\0', limit);
    const std::size_t length =
        nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - start) : limit;
    return std::string(start, length);
}

std::string CoordinateText(std::uint32_t int24) {
    return IsExpression(int24) ? std::string(kExpressionText) : std::to_string(int24);
}

}  // namespace program
