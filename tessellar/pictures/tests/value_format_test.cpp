// The default display of values: the rounding rule, numbers, money and
// overflow, dates from day numbers, times, texts, and stored literal bytes.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "tessellar/pictures/stored_number.h"
#include "tessellar/pictures/value_format.h"
#include "tools/opimage/number_literal.h"

namespace pictures {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(FormatNumberTest, RoundsUpFromJustBelowAHalf) {
    const SizeWord oneDigit = MakeNumericSize(kDisplayStorage, 1, 0, false);
    EXPECT_EQ(FormatNumber(2.5, 'N', oneDigit), "3");
    EXPECT_EQ(FormatNumber(0.49999998, 'N', oneDigit), "1");
    EXPECT_EQ(FormatNumber(0.49999997, 'N', oneDigit), "0");
    // 1.005 is held as 1.00499999999999989...: the rule still rounds it up.
    EXPECT_EQ(FormatNumber(1.005, 'N', MakeNumericSize(kDisplayStorage, 1, 2, false)), "1.01");
}

TEST(FormatNumberTest, FractionsWithoutDecimalsComeFromFloatingPointLiterals) {
    // Only floating-point storage holds a fraction in a field without
    // decimals; a single float keeps 2.4999999 as 2.5, 2.4999998 just below.
    const SizeWord size = MakeNumericSize(kFloatStorage, 1, 0, false);
    const auto shown = [size](double value) { return FormatValue(Bytes(opimage::EncodeNumber(value, size)), 'N', size); };
    EXPECT_EQ(shown(2.5), "3");
    EXPECT_EQ(shown(2.4999999), "3");
    EXPECT_EQ(shown(2.4999998), "2");
}

TEST(FormatNumberTest, Rows) {
    const SizeWord signed52 = MakeNumericSize(kDisplayStorage, 5, 2, true);
    const SizeWord unsigned3 = MakeNumericSize(kBinaryStorage, 3, 0, false);
    const struct {
        const char* name;
        double value;
        char type;
        SizeWord size;
        const char* text;
    } rows[] = {
        {"right-aligned with the sign in front", -12.5, 'N', signed52, "   -12.50"},
        {"a blank for a positive signed value", 12.5, 'N', signed52, "    12.50"},
        {"zero writes one integer digit", 0, 'N', signed52, "     0.00"},
        {"a value rounding to zero has no minus", -0.001, 'N', signed52, "     0.00"},
        {"fills every integer digit", 99999.99, 'N', signed52, " 99999.99"},
        {"rounding carries into an overflow", 99999.999, 'N', signed52, "?????????"},
        {"integer digits left over", 1000, 'N', unsigned3, "???"},
        {"unsigned field drops the sign", -12, 'N', unsigned3, " 12"},
        {"money", -5.25, '1', signed52, "    -$5.25"},
        {"money overflow covers the $", 123456, '1', signed52, "??????????"},
        {"J has ten integer digits", 1234567890, 'J', unsigned3, "1234567890"},
        {"J overflow", 12345678901.0, 'J', unsigned3, "??????????"},
        {"decimals only", 0.25, 'N', MakeNumericSize(kDisplayStorage, 0, 2, false), ".25"},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), 'N', unsigned3, "???"},
        {"infinity", std::numeric_limits<double>::infinity(), 'N', signed52, "?????????"},
    };
    for (const auto& row : rows) EXPECT_EQ(FormatNumber(row.value, row.type, row.size), row.text) << row.name;
}

TEST(FormatDateTest, DayNumbersCountFromFirstJanuary1900) {
    const struct {
        double day;
        const char* text;
    } rows[] = {
        {0, "           "},
        {1, "02-JAN-1900"},
        {59, "01-MAR-1900"},    // 1900 has no 29 February
        {1519, "29-FEB-1904"},
        {36583, "29-FEB-2000"}, // 2000 has one
        {31776, "01-JAN-1987"},
        {31775, "31-DEC-1986"},
        {2958463, "31-DEC-9999"},
        {2958464, "???????????"},
        {-1, "???????????"},
        {1e300, "???????????"},
    };
    for (const auto& row : rows) EXPECT_EQ(FormatDate(row.day), row.text) << row.day;
}

TEST(FormatDateTest, OtherMonthNamesAreRightAligned) {
    MonthNameTable names = {"janvier", "fevrier", "mars", "avril", "mai", "juin",
                            "juillet", "aout",    "septembre", "octobre", "novembre", "decembre"};
    names[0] = "Ja";
    EXPECT_EQ(FormatDate(1, &names), "02- Ja-1900");
    EXPECT_EQ(FormatDate(59, &names), "01-mar-1900");
}

TEST(FormatTimeTest, SecondsSinceMidnight) {
    EXPECT_EQ(FormatTime(0), "00:00:00");
    EXPECT_EQ(FormatTime(45296), "12:34:56");
    EXPECT_EQ(FormatTime(86399), "23:59:59");
    EXPECT_EQ(FormatTime(86400), "????????");
    EXPECT_EQ(FormatTime(-1), "????????");
}

TEST(FormatTextTest, ControlCharactersAndPadding) {
    EXPECT_EQ(FormatText(std::string("A\0B\x01" "C", 5), 7), "A B?C  ");
    EXPECT_EQ(FormatText("ABCDEF", 3), "ABC");
    EXPECT_EQ(FormatText("\xE9t\xE9", 3), "\xE9t\xE9");  // cp1252 letters stay
    EXPECT_EQ(FormatText("", 0), "");
}

TEST(FormatValueTest, StoredValuesByTypeLetter) {
    const SizeWord date = 0x2080;
    const SizeWord time = 0x2100;
    const SizeWord signed52 = MakeNumericSize(kPackedStorage, 5, 2, true);
    EXPECT_EQ(FormatValue(Bytes(opimage::EncodeNumber(31776, date)), 'D', date), "01-JAN-1987");
    EXPECT_EQ(FormatValue(Bytes(opimage::EncodeNumber(3661, time)), 'T', time), "01:01:01");
    EXPECT_EQ(FormatValue(Bytes(opimage::EncodeNumber(-123.45, signed52)), 'N', signed52), "  -123.45");
    EXPECT_EQ(FormatValue(Bytes("AB"), 'A', 4), "AB  ");
    EXPECT_EQ(FormatValue(Bytes("AB"), 'N', 4), "AB  ");  // a text size word shows text
}

TEST(ReadStoredNumberTest, EveryStorageKindReadsBackWhatTheWriterStored) {
    const struct {
        const char* name;
        SizeWord size;
        double value;
    } rows[] = {
        {"binary short", MakeNumericSize(kBinaryStorage, 2, 2, true), -12.34},
        {"binary 6 bytes", MakeNumericSize(kBinaryStorage, 11, 2, true), -12345678901.23},
        {"binary 8 bytes unsigned", MakeNumericSize(kBinaryStorage, 16, 0, false), 1234567890123456.0},
        {"display", MakeNumericSize(kDisplayStorage, 3, 1, true), -99.5},
        {"packed", MakeNumericSize(kPackedStorage, 7, 0, false), 4000000},
        {"float is not scaled", MakeNumericSize(kFloatStorage, 3, 2, true), -1.5},
        {"double", MakeNumericSize(kFloatStorage, 9, 2, false), 1234567.25},
    };
    for (const auto& row : rows) {
        EXPECT_DOUBLE_EQ(ReadStoredNumber(Bytes(opimage::EncodeNumber(row.value, row.size)), row.size), row.value)
            << row.name;
    }
}

TEST(ReadStoredNumberTest, UnsignedFieldsDoNotWidenTheTopBit) {
    const SizeWord unsigned4 = MakeNumericSize(kBinaryStorage, 4, 0, false);
    const SizeWord signed4 = MakeNumericSize(kBinaryStorage, 4, 0, true);
    const std::vector<std::uint8_t> bytes = {0xFF, 0xFE};
    EXPECT_EQ(ReadStoredNumber(bytes, unsigned4), 65534.0);
    EXPECT_EQ(ReadStoredNumber(bytes, signed4), -2.0);
}

TEST(ReadStoredNumberTest, ShortOrWideStorage) {
    const SizeWord binary8 = MakeNumericSize(kBinaryStorage, 8, 0, false);
    EXPECT_EQ(ReadStoredNumber(std::vector<std::uint8_t>{0x01, 0x02}, binary8), 0.0);  // cut short
    // Display storage of 20 digits: the bytes above the eighth repeat the sign.
    const SizeWord display20 = MakeNumericSize(kDisplayStorage, 20, 0, true);
    std::vector<std::uint8_t> bytes(20, 0xFF);
    EXPECT_EQ(ReadStoredNumber(bytes, display20), -1.0);
    EXPECT_EQ(PowerOfTen(12), 1e12);
}

TEST(FormatNumericLiteralTest, ANumberByItsSizeWordAlone) {
    const SizeWord size = MakeNumericSize(kBinaryStorage, 4, 1, true);
    EXPECT_EQ(FormatNumericLiteral(Bytes(opimage::EncodeNumber(-7.5, size)), size), "   -7.5");
}

}  // namespace
}  // namespace pictures
