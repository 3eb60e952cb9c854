#pragma once
// How many screen columns a field of a size word and type letter takes.

#include <cstdint>

namespace program {

// Dates take 11 columns, times 8, "J" values 10; a text its length; a
// number its integer digits and decimal places, one more for the decimal
// point, for a sign, and for the money type "1".
int FieldWidth(std::uint16_t sizeWord, char typeLetter);

}  // namespace program
