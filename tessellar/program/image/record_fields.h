#pragma once
// Fields of records that a screen's statements point at. Offset 0 means "no
// record": every field of it reads as 0 and its texts as empty, instead of
// reading the program header that happens to sit at offset 0.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "tessellar/program/image/program_image.h"

namespace program {

inline std::uint8_t ByteField(const ProgramImage& image, std::uint32_t record, std::uint32_t field) {
    return record == 0 ? 0 : ReadByte(image, std::uint64_t{record} + field);
}
inline std::uint16_t U16Field(const ProgramImage& image, std::uint32_t record, std::uint32_t field) {
    return record == 0 ? 0 : ReadU16(image, std::uint64_t{record} + field);
}
inline std::uint32_t Int24Field(const ProgramImage& image, std::uint32_t record, std::uint32_t field) {
    return record == 0 ? 0 : ReadU24(image, std::uint64_t{record} + field);
}
// The text an Int24 field points at, cut to capacity - 1 characters.
inline std::string StringField(const ProgramImage& image, std::uint32_t record, std::uint32_t field,
                               std::size_t capacity) {
    return ReadString(image, Int24Field(image, record, field), capacity);
}

// A copy of the first Size bytes of a record, of which only `length` count:
// the rest, and whatever lies outside the image, reads as 0.
template <std::size_t Size>
class RecordCopy {
public:
    RecordCopy(const ProgramImage& image, std::uint32_t record, std::size_t length = Size) {
        if (record == 0 || record >= image.Size()) return;
        const std::size_t available = std::min({length, Size, image.Size() - record});
        std::copy_n(image.Bytes().begin() + record, available, bytes_.begin());
    }

    std::uint8_t Byte(std::size_t field) const { return field < Size ? bytes_[field] : 0; }
    std::uint16_t U16(std::size_t field) const {
        return static_cast<std::uint16_t>((Byte(field) << 8) | Byte(field + 1));
    }
    std::uint32_t Int24(std::size_t field) const {
        return (std::uint32_t{Byte(field)} << 16) | (std::uint32_t{Byte(field + 1)} << 8) | Byte(field + 2);
    }

private:
    std::array<std::uint8_t, Size> bytes_{};
};

}  // namespace program
