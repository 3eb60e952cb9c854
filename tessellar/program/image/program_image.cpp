#include "tessellar/program/image/program_image.h"

#include <string_view>

#include "platform/text_capacity.h"

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

// The NUL-terminated text at an offset, looked for in at most maxLength
// bytes, so an unterminated text costs no more than its field.
std::string TextAt(const ProgramImage& image, std::uint64_t offset, std::size_t maxLength) {
    if (offset == 0 || offset >= image.Size()) return {};
    const std::string_view rest(reinterpret_cast<const char*>(image.Bytes().data()) + offset, image.Size() - offset);
    const std::string_view field = rest.substr(0, maxLength);
    return std::string(field.substr(0, field.find('\0')));
}

}  // namespace

std::uint8_t ReadByte(const ProgramImage& image, std::uint64_t offset) {
    return static_cast<std::uint8_t>(ReadBigEndian(image, offset, 1));
}

std::uint16_t ReadU16(const ProgramImage& image, std::uint64_t offset) {
    return static_cast<std::uint16_t>(ReadBigEndian(image, offset, 2));
}

std::uint32_t ReadU24(const ProgramImage& image, std::uint64_t offset) {
    return ReadBigEndian(image, offset, 3);
}

std::uint32_t ReadU32(const ProgramImage& image, std::uint64_t offset) {
    return ReadBigEndian(image, offset, 4);
}

std::string ReadString(const ProgramImage& image, std::uint64_t offset) {
    return TextAt(image, offset, std::string_view::npos);
}

std::string ReadString(const ProgramImage& image, std::uint64_t offset, std::size_t capacity) {
    return TextAt(image, offset, platform::FieldTextLength(capacity));
}

std::string CoordinateText(std::uint32_t int24) {
    return IsExpression(int24) ? std::string(kExpressionText) : std::to_string(int24);
}

}  // namespace program
