#pragma once
// The size word of a field or literal: how many integer digits and decimal
// places a number has, whether it is signed, and how it is stored. A size
// word without storage bits describes a text, and is then its length.

#include <cstddef>
#include <cstdint>

namespace pictures {

using SizeWord = std::uint16_t;

inline constexpr SizeWord kDecimalPlacesMask = 0x001F;
inline constexpr SizeWord kIntegerDigitsMask = 0x03E0;
inline constexpr int kIntegerDigitsShift = 5;
inline constexpr SizeWord kSignedBit = 0x0400;
inline constexpr SizeWord kPackedStorage = 0x0800;
inline constexpr SizeWord kDisplayStorage = 0x1000;
inline constexpr SizeWord kBinaryStorage = 0x2000;
inline constexpr SizeWord kFloatStorage = 0x4000;
inline constexpr SizeWord kStorageMask = 0x7800;

constexpr bool IsNumeric(SizeWord size) { return (size & kStorageMask) != 0; }
constexpr int DecimalPlaces(SizeWord size) { return size & kDecimalPlacesMask; }
constexpr int IntegerDigits(SizeWord size) { return (size & kIntegerDigitsMask) >> kIntegerDigitsShift; }
constexpr bool IsSigned(SizeWord size) { return (size & kSignedBit) != 0; }
// The whole value of a text's size word is its length.
constexpr std::size_t TextLength(SizeWord size) { return size; }

// A numeric size word from its parts; digits and places beyond 31 are cut
// to the five bits the word has for each.
constexpr SizeWord MakeNumericSize(SizeWord storage, int integerDigits, int decimalPlaces,
                                   bool isSigned) {
    return static_cast<SizeWord>((storage & kStorageMask) |
                                 ((integerDigits & 0x1F) << kIntegerDigitsShift) |
                                 (decimalPlaces & 0x1F) | (isSigned ? kSignedBit : 0));
}

// Bytes a stored value of this size word takes. Binary wins over the other
// storage bits, then display, floating point and packed, when several are set.
std::size_t StorageSize(SizeWord size);

}  // namespace pictures
