#pragma once
// The stored bytes of a numeric literal, as the customiser reads them back:
// the value scaled by 10^decimal places, big-endian, in the storage size that
// the size word gives.

#include <cstdint>
#include <string>

namespace opimage {

// Storage size in bytes of a value with this size word (a string's length
// for a size word without storage bits).
std::size_t StorageSize(std::uint16_t sizeWord);

// Integers (binary, display, packed) are two's complement; floating point is
// an IEEE float (4 bytes) or double (8 bytes).
std::string EncodeNumber(double value, std::uint16_t sizeWord);

}  // namespace opimage
