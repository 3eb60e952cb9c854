#pragma once
// The fixed texts of pictures and formatted values, kept in one place.

#include <array>
#include <string_view>

namespace pictures::texts {

inline constexpr std::string_view kDefaultDatePicture = "DD-MMM-YYYY";
inline constexpr std::string_view kDefaultTimePicture = "HH:MM:SS";
inline constexpr std::string_view kDefaultBPicture = "9";
inline constexpr std::string_view kDefaultXPicture = "x";
inline constexpr std::string_view kRangeSeparator = " to ";

inline constexpr std::array<std::string_view, 12> kEnglishMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// Every position of a value that does not fit shows this character.
inline constexpr char kOverflowMark = '?';

}  // namespace pictures::texts
