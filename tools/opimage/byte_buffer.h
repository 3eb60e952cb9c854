#pragma once
// A growing image: space is appended zero-filled and fields are patched in
// place by offset, big-endian, so records can be written before the records
// they point at.

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace opimage {

class ByteBuffer {
public:
    // Appends size zero bytes and returns their offset.
    std::uint32_t Reserve(std::size_t size) {
        const auto offset = static_cast<std::uint32_t>(bytes_.size());
        bytes_.resize(bytes_.size() + size, 0);
        return offset;
    }

    // Appends the bytes followed by a NUL and returns their offset.
    std::uint32_t AppendString(std::string_view text) {
        const std::uint32_t offset = Reserve(text.size() + 1);
        for (std::size_t i = 0; i < text.size(); ++i) {
            bytes_[offset + i] = static_cast<std::uint8_t>(text[i]);
        }
        return offset;
    }

    void PutByte(std::uint32_t at, std::uint8_t value) { bytes_.at(at) = value; }
    void OrByte(std::uint32_t at, std::uint8_t bits) { bytes_.at(at) |= bits; }
    void PutU16(std::uint32_t at, std::uint16_t value) { PutBigEndian(at, value, 2); }
    // Only the low 24 bits are kept.
    void PutInt24(std::uint32_t at, std::uint32_t value) { PutBigEndian(at, value, 3); }
    void PutU32(std::uint32_t at, std::uint32_t value) { PutBigEndian(at, value, 4); }

    std::uint16_t ReadU16(std::uint32_t at) const {
        return static_cast<std::uint16_t>(bytes_.at(at) << 8 | bytes_.at(at + 1));
    }

    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    void PutBigEndian(std::uint32_t at, std::uint32_t value, int width) {
        for (int i = 0; i < width; ++i) {
            bytes_.at(at + i) = static_cast<std::uint8_t>(value >> (8 * (width - 1 - i)));
        }
    }

    std::vector<std::uint8_t> bytes_;
};

}  // namespace opimage
