// Size words, storage sizes, pictures built from types and sizes, and the
// expansion of repeat counts.

#include <gtest/gtest.h>

#include <string>

#include "tessellar/pictures/field_picture.h"
#include "tessellar/pictures/size_word.h"

namespace pictures {
namespace {

struct StorageRow {
    const char* name;
    SizeWord size;
    std::size_t bytes;
};

TEST(StorageSizeTest, EachStorageKindAtItsBoundaries) {
    const StorageRow rows[] = {
        {"binary 4 digits is a short", MakeNumericSize(kBinaryStorage, 4, 0, false), 2},
        {"binary 5 digits is a long", MakeNumericSize(kBinaryStorage, 3, 2, false), 4},
        {"binary 8 digits is a long", MakeNumericSize(kBinaryStorage, 8, 0, false), 4},
        {"binary 13 digits takes 6 bytes", MakeNumericSize(kBinaryStorage, 13, 0, false), 6},
        {"binary 14 digits takes 8 bytes", MakeNumericSize(kBinaryStorage, 10, 4, false), 8},
        {"display: one byte per digit", MakeNumericSize(kDisplayStorage, 5, 2, true), 7},
        {"float 6 digits is single", MakeNumericSize(kFloatStorage, 6, 0, false), 4},
        {"float 7 digits is double", MakeNumericSize(kFloatStorage, 5, 2, false), 8},
        {"packed 5.2: 3 + 1 + 1", MakeNumericSize(kPackedStorage, 5, 2, true), 5},
        {"packed 0.0: the sign byte", MakeNumericSize(kPackedStorage, 0, 0, false), 1},
        {"a text is its length", 20, 20},
    };
    for (const auto& row : rows) EXPECT_EQ(StorageSize(row.size), row.bytes) << row.name;
}

TEST(SizeWordTest, PartsOfANumericWord) {
    const SizeWord size = 0x1000 | (5 << 5) | 2 | 0x400;
    EXPECT_TRUE(IsNumeric(size));
    EXPECT_EQ(IntegerDigits(size), 5);
    EXPECT_EQ(DecimalPlaces(size), 2);
    EXPECT_TRUE(IsSigned(size));
    EXPECT_EQ(MakeNumericSize(kDisplayStorage, 5, 2, true), size);
    // A text length may use the bits a number keeps its sign and digits in.
    EXPECT_FALSE(IsNumeric(0x07FF));
}

struct PictureRow {
    const char* name;
    char type;
    SizeWord size;
    const char* own;
    const char* compact;
    const char* expanded;
};

TEST(PictureForFieldTest, BuiltFromTypeAndSize) {
    const SizeWord signed52 = MakeNumericSize(kDisplayStorage, 5, 2, true);
    const PictureRow rows[] = {
        {"signed 5.2 number", 'N', signed52, "", "S9(5)V9(2)", "S99999.99"},
        {"unsigned integer", '9', MakeNumericSize(kBinaryStorage, 4, 0, false), "", "9(4)", "9999"},
        {"decimals only", 'N', MakeNumericSize(kDisplayStorage, 0, 3, false), "", "V9(3)", ".999"},
        {"text of 3", 'A', 3, "", "x(3)", "xxx"},
        {"text of length 0 has no picture", 'A', 0, "", "", ""},
        {"date default", 'D', 0x2080, "", "DD-MMM-YYYY", "DD-MMM-YYYY"},
        {"time default", 'T', 0x2100, "", "HH:MM:SS", "HH:MM:SS"},
        {"time-like default", 'J', 0x2100, "", "HH:MM:SS", "HH:MM:SS"},
        {"B default", 'B', 1, "", "9", "9"},
        {"X default", 'X', 1, "", "x", "x"},
        {"own date picture, lower-cased", 'D', 0x2080, "DD/MM/YYYY", "dd/mm/yyyy", "dd/mm/yyyy"},
        // A number's own picture shows only in the expanded form.
        {"own numeric picture", 'N', signed52, "Z(4)9.99", "S9(5)V9(2)", "zzzz9.99"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(PictureForField(row.type, row.size, row.own, PictureForm::Compact), row.compact) << row.name;
        EXPECT_EQ(PictureForField(row.type, row.size, row.own, PictureForm::Expanded), row.expanded) << row.name;
    }
    EXPECT_EQ(DefaultPictureText(20, 'A'), "x(20)");
    EXPECT_EQ(PictureForField('A', 20, "", PictureForm::Expanded), std::string(20, 'x'));
}

TEST(PictureForFieldTest, LongestTextFieldIsWrittenInFull) {
    // The longest length a size word without storage bits can hold.
    const SizeWord longest = 0x87FF;
    const std::string expanded = PictureForField('A', longest, "", PictureForm::Expanded);
    EXPECT_EQ(expanded.size(), 0x87FFu);
    EXPECT_EQ(expanded.find_first_not_of('x'), std::string::npos);
    EXPECT_EQ(DefaultPictureText(longest, 'A'), "x(34815)");
}

TEST(ExpandRepeatCountsTest, Rows) {
    const struct {
        const char* picture;
        const char* expanded;
    } rows[] = {
        {"9(3)v9(2)", "999.99"},
        {"9(3)V9(2)", "999.99"},
        {"x(3)", "xxx"},
        {"999v99", "999v99"},            // no "(": unchanged
        {"$(3)9.9(2)", "$$$9.99"},
        {"s9(2)", "s99"},
        {"9(2)x(2)", "99xx"},
        {"9(2)v", "99."},
        {"v9(2)", "v99"},                // a marker in front does not split
        {"9(0)", "9(0)"},                // not a proper count: kept
        {"9(a)", "9(a)"},
        {"9(3", "9(3"},
        {"(9(3))", "(999)"},
        {"9(65536)", "9(65536)"},        // beyond any real picture: kept
        {"9(99999999999999999999)", "9(99999999999999999999)"},
    };
    for (const auto& row : rows) EXPECT_EQ(ExpandRepeatCounts(row.picture), row.expanded) << row.picture;
}

TEST(ExpandRepeatCountsTest, ExpansionIsBounded) {
    std::string picture;
    for (int i = 0; i < 100; ++i) picture += "x(65535)";
    const std::string expanded = ExpandRepeatCounts(picture);
    EXPECT_LE(expanded.size(), kMaxExpandedLength + picture.size());
    EXPECT_EQ(expanded.substr(0, 65535), std::string(65535, 'x'));
}

}  // namespace
}  // namespace pictures
