#include "tools/opimage/number_literal.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace opimage {

namespace {

int IntegerDigits(std::uint16_t sizeWord) { return (sizeWord >> 5) & 0x1F; }
int DecimalPlaces(std::uint16_t sizeWord) { return sizeWord & 0x1F; }

// Bytes beyond the eighth repeat the sign, as a wider integer would.
std::string BigEndian(std::uint64_t bits, std::size_t size, bool negative = false) {
    std::string bytes(size, negative ? '\xFF' : '\0');
    for (std::size_t i = 0; i < size && i < 8; ++i) {
        bytes[size - 1 - i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
    return bytes;
}

}  // namespace

std::size_t StorageSize(std::uint16_t sizeWord) {
    const int digits = IntegerDigits(sizeWord) + DecimalPlaces(sizeWord);
    if (sizeWord & 0x2000) return digits <= 4 ? 2 : digits <= 8 ? 4 : digits < 14 ? 6 : 8;
    if (sizeWord & 0x1000) return static_cast<std::size_t>(digits);
    if (sizeWord & 0x4000) return digits < 7 ? 4 : 8;
    if (sizeWord & 0x0800) {
        return static_cast<std::size_t>((IntegerDigits(sizeWord) + 1) / 2 +
                                        (DecimalPlaces(sizeWord) + 1) / 2 + 1);
    }
    return sizeWord;
}

std::string EncodeNumber(double value, std::uint16_t sizeWord) {
    const std::size_t size = StorageSize(sizeWord);
    if (sizeWord & 0x4000) {
        if (size == 4) return BigEndian(std::bit_cast<std::uint32_t>(static_cast<float>(value)), 4);
        return BigEndian(std::bit_cast<std::uint64_t>(value), 8);
    }
    // Values beyond 64 bits are clamped; no storage size holds them anyway.
    const double scaled = std::clamp(std::round(value * std::pow(10.0, DecimalPlaces(sizeWord))), -9.2e18, 9.2e18);
    return BigEndian(static_cast<std::uint64_t>(static_cast<std::int64_t>(scaled)), size, scaled < 0);
}

}  // namespace opimage
