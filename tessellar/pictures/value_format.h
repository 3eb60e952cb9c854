#pragma once
// The default display of a value by its type letter and size word, as the
// screen shows literal values: numbers, money, dates, times and texts.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "tessellar/pictures/size_word.h"

namespace pictures {

// Type letters with a display of their own; every other letter is numeric.
inline constexpr char kTextType = 'A';
inline constexpr char kStringType = 'S';
inline constexpr char kDateType = 'D';
inline constexpr char kTimeType = 'T';
inline constexpr char kTimeLikeType = 'J';
inline constexpr char kMoneyType = '1';
// The type a literal number is shown as when it has no type letter.
inline constexpr char kPlainNumberType = 'N';

// Month names for dates; without one, the built-in English names are used.
using MonthNameTable = std::array<std::string, 12>;

// A stored value (a literal's bytes) shown by type letter and size word:
// texts through FormatText with the size word's length, everything else is
// read with ReadStoredNumber and shown by FormatNumber, FormatDate or
// FormatTime.
std::string FormatValue(std::span<const std::uint8_t> stored, char typeLetter, SizeWord size,
                        const MonthNameTable* monthNames = nullptr);

// A numeric literal's bytes shown as a number by its size word alone.
std::string FormatNumericLiteral(std::span<const std::uint8_t> stored, SizeWord size);

// A number right-aligned in its field: decimals, integer digits (ten for
// "J"), "$" for money, "-" or a blank for a signed size word. A value whose
// integer digits do not fit shows "?" in every position.
std::string FormatNumber(double value, char typeLetter, SizeWord size);

// A day number (day 0 is 1 January 1900) as "DD-MMM-YYYY"; day 0 gives 11
// blanks, a day before 1900 or after 9999 eleven "?".
std::string FormatDate(double dayNumber, const MonthNameTable* monthNames = nullptr);

// Seconds since midnight as "HH:MM:SS"; a value outside the day gives "????????".
std::string FormatTime(double seconds);

// The first min(length, value size) bytes of a text field, a zero byte shown
// as a blank and other control characters as "?", filled with blanks to length.
std::string FormatText(std::string_view value, std::size_t length);

// The magnitude scaled by 10^decimal places and rounded as the runtime
// rounds: a fractional part of 0.49999998 or more rounds up.
double RoundedMagnitude(double value, int decimalPlaces);

}  // namespace pictures
