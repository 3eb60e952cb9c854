#include "tessellar/pictures/value_format.h"

#include <cmath>
#include <cstdint>

#include "tessellar/pictures/picture_texts.h"
#include "tessellar/pictures/stored_number.h"

namespace pictures {

namespace {

constexpr double kRoundUpFraction = 0.49999998;
constexpr int kTimeLikeDigits = 10;
constexpr std::size_t kDateLength = 11;
constexpr std::size_t kTimeLength = 8;
constexpr std::int64_t kSecondsPerDay = 86400;
// Day numbers count from 1 January 1900; the last one shown is 31 December 9999.
constexpr std::int64_t kDaysFrom1970To1900 = -25567;
constexpr std::int64_t kLastDayNumber = 2958463;

bool IsTextType(char typeLetter) { return typeLetter == kTextType || typeLetter == kStringType; }

struct CivilDate {
    std::int64_t year;
    int month;  // 1..12
    int day;    // 1..31
};

// The Gregorian date of a day counted from 1 January 1970 (H. Hinnant's
// civil_from_days), exact for every day of years 1900 to 9999.
CivilDate DateFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

std::string MonthAbbreviation(int month, const MonthNameTable* monthNames) {
    const std::size_t index = static_cast<std::size_t>(month - 1);
    if (monthNames == nullptr) {
        std::string abbreviation(texts::kEnglishMonthNames[index].substr(0, 3));
        for (char& c : abbreviation) {
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        }
        return abbreviation;
    }
    const std::string& name = (*monthNames)[index];
    const std::string abbreviation = name.substr(0, 3);
    return std::string(3 - abbreviation.size(), ' ') + abbreviation;
}

void AppendTwoDigits(std::string& text, std::int64_t value) {
    text += static_cast<char>('0' + value / 10 % 10);
    text += static_cast<char>('0' + value % 10);
}

std::string Overflow(std::size_t length) { return std::string(length, texts::kOverflowMark); }

}  // namespace

double RoundedMagnitude(double value, int decimalPlaces) {
    const double scaled = std::fabs(value) * PowerOfTen(decimalPlaces);
    double whole = std::floor(scaled);
    if (scaled - whole >= kRoundUpFraction) whole += 1.0;
    return whole;
}

std::string FormatNumber(double value, char typeLetter, SizeWord size) {
    const int decimals = DecimalPlaces(size);
    const int integerDigits = typeLetter == kTimeLikeType ? kTimeLikeDigits : IntegerDigits(size);
    const bool money = typeLetter == kMoneyType;
    const std::size_t width = static_cast<std::size_t>(integerDigits + (decimals > 0 ? decimals + 1 : 0) +
                                                       (IsSigned(size) ? 1 : 0) + (money ? 1 : 0));
    if (!std::isfinite(value)) return Overflow(width > 0 ? width : 1);

    double remaining = RoundedMagnitude(value, decimals);
    // A value that rounds to zero shows no minus sign.
    const bool negative = value < 0 && remaining != 0.0;
    std::string reversed;
    const auto takeDigit = [&remaining, &reversed] {
        reversed += static_cast<char>('0' + static_cast<int>(std::fmod(remaining, 10.0)));
        remaining = std::floor(remaining / 10.0);
    };
    for (int i = 0; i < decimals; ++i) takeDigit();
    if (decimals > 0) reversed += '.';
    // At least one integer digit, unless the field has none but decimals.
    for (int i = 0; i < integerDigits || (i == 0 && decimals == 0); ++i) {
        takeDigit();
        if (remaining == 0.0) break;
    }
    if (remaining != 0.0) return Overflow(width > 0 ? width : 1);
    if (money) reversed += '$';
    if (IsSigned(size)) reversed += negative ? '-' : ' ';
    if (reversed.size() < width) reversed.append(width - reversed.size(), ' ');
    return std::string(reversed.rbegin(), reversed.rend());
}

std::string FormatDate(double dayNumber, const MonthNameTable* monthNames) {
    if (!std::isfinite(dayNumber) || dayNumber < 0) return Overflow(kDateLength);
    const double day = RoundedMagnitude(dayNumber, 0);
    if (day == 0.0) return std::string(kDateLength, ' ');
    if (day > static_cast<double>(kLastDayNumber)) return Overflow(kDateLength);

    const CivilDate date = DateFromDays(static_cast<std::int64_t>(day) + kDaysFrom1970To1900);
    std::string text;
    AppendTwoDigits(text, date.day);
    text += '-';
    text += MonthAbbreviation(date.month, monthNames);
    text += '-';
    AppendTwoDigits(text, date.year / 100);
    AppendTwoDigits(text, date.year % 100);
    return text;
}

std::string FormatTime(double seconds) {
    if (!std::isfinite(seconds) || seconds < 0) return Overflow(kTimeLength);
    const double whole = RoundedMagnitude(seconds, 0);
    if (whole >= static_cast<double>(kSecondsPerDay)) return Overflow(kTimeLength);
    const auto total = static_cast<std::int64_t>(whole);
    std::string text;
    AppendTwoDigits(text, total / 3600);
    text += ':';
    AppendTwoDigits(text, total / 60 % 60);
    text += ':';
    AppendTwoDigits(text, total % 60);
    return text;
}

std::string FormatText(std::string_view value, std::size_t length) {
    std::string text(length, ' ');
    const std::size_t copied = value.size() < length ? value.size() : length;
    for (std::size_t i = 0; i < copied; ++i) {
        const auto byte = static_cast<unsigned char>(value[i]);
        if (byte == 0) continue;  // stays a blank
        text[i] = byte < 32 ? texts::kOverflowMark : value[i];
    }
    return text;
}

std::string FormatValue(std::span<const std::uint8_t> stored, char typeLetter, SizeWord size,
                        const MonthNameTable* monthNames) {
    if (IsTextType(typeLetter) || !IsNumeric(size)) {
        const std::string_view bytes(reinterpret_cast<const char*>(stored.data()), stored.size());
        return FormatText(bytes, IsNumeric(size) ? StorageSize(size) : TextLength(size));
    }
    const double value = ReadStoredNumber(stored, size);
    if (typeLetter == kDateType) return FormatDate(value, monthNames);
    if (typeLetter == kTimeType) return FormatTime(value);
    return FormatNumber(value, typeLetter, size);
}

std::string FormatNumericLiteral(std::span<const std::uint8_t> stored, SizeWord size) {
    return FormatNumber(ReadStoredNumber(stored, size), kPlainNumberType, size);
}

}  // namespace pictures
