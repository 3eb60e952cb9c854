#pragma once
// Reading a number as the compiled program stores it: big-endian, in the
// storage size of its size word, scaled by its decimal places.

#include <cstdint>
#include <span>

#include "tessellar/pictures/size_word.h"

namespace pictures {

// 10 to the power n for n >= 0, built as the runtime builds it: a table up to
// 10^8, then 10^8 multiplied by 10 as often as needed.
double PowerOfTen(int n);

// The value of a stored number. Binary, display and packed storage hold a
// whole number (two's complement when signed, unsigned otherwise) that is
// divided by 10^decimal places; floating point holds an IEEE float (4 bytes)
// or double (8 bytes) as it is. Only the first StorageSize(size) bytes are
// read; fewer bytes than that read as 0.
double ReadStoredNumber(std::span<const std::uint8_t> bytes, SizeWord size);

}  // namespace pictures
