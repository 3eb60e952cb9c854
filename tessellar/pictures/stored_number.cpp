#include "tessellar/pictures/stored_number.h"

#include <array>
#include <bit>

namespace pictures {

namespace {

constexpr std::array<double, 9> kPowersOfTen = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
constexpr int kWidestInteger = 8;

// The low eight bytes of a big-endian whole number; a wider number repeats
// its sign in the bytes above them.
std::uint64_t LowBits(std::span<const std::uint8_t> bytes) {
    std::uint64_t bits = 0;
    const std::size_t first = bytes.size() > kWidestInteger ? bytes.size() - kWidestInteger : 0;
    for (std::size_t i = first; i < bytes.size(); ++i) bits = (bits << 8) | bytes[i];
    return bits;
}

double WholeNumber(std::span<const std::uint8_t> bytes, bool isSigned) {
    if (bytes.empty()) return 0.0;
    std::uint64_t bits = LowBits(bytes);
    if (!isSigned) return static_cast<double>(bits);
    const std::size_t width = bytes.size() < kWidestInteger ? bytes.size() : kWidestInteger;
    if (width < kWidestInteger && (bytes[bytes.size() - width] & 0x80) != 0) {
        bits |= ~std::uint64_t{0} << (8 * width);  // widen the sign
    }
    return static_cast<double>(static_cast<std::int64_t>(bits));
}

double FloatingPoint(std::span<const std::uint8_t> bytes) {
    const std::uint64_t bits = LowBits(bytes);
    if (bytes.size() == 4) return std::bit_cast<float>(static_cast<std::uint32_t>(bits));
    return std::bit_cast<double>(bits);
}

}  // namespace

double PowerOfTen(int n) {
    if (n <= 0) return 1.0;
    if (n < static_cast<int>(kPowersOfTen.size())) return kPowersOfTen[static_cast<std::size_t>(n)];
    double power = kPowersOfTen.back();
    for (int i = static_cast<int>(kPowersOfTen.size()) - 1; i < n; ++i) power *= 10.0;
    return power;
}

double ReadStoredNumber(std::span<const std::uint8_t> bytes, SizeWord size) {
    if (!IsNumeric(size)) return 0.0;
    const std::size_t storage = StorageSize(size);
    if (bytes.size() < storage) return 0.0;
    const auto value = bytes.first(storage);
    // Binary wins over the other storage bits, as in StorageSize.
    if ((size & kFloatStorage) && !(size & (kBinaryStorage | kDisplayStorage))) return FloatingPoint(value);
    return WholeNumber(value, IsSigned(size)) / PowerOfTen(DecimalPlaces(size));
}

}  // namespace pictures
