// The picture compiler: valid pictures with their class, size word, width
// and edit mask, and every way a typed picture can be wrong.

#include <gtest/gtest.h>

#include <string>

#include "tessellar/pictures/field_picture.h"
#include "tessellar/pictures/picture_compiler.h"

namespace pictures {
namespace {

struct ValidRow {
    const char* picture;
    PictureStatus status;
    unsigned pictureClass;
    SizeWord typeWord;
    int length;
    const char* mask;
};

TEST(PictureCompilerTest, ValidPictures) {
    constexpr auto plain = PictureStatus::Plain;
    constexpr auto edited = PictureStatus::Edited;
    const ValidRow rows[] = {
        {"9(5)", plain, kPlainNumeric, 0x10A0, 5, ""},
        {"9(3)v9(2)", plain, kPlainNumeric, 0x1062, 6, ""},
        {"999.99", plain, kPlainNumeric, 0x1062, 6, ""},
        {"9(18)", plain, kPlainNumeric, 0x1240, 18, ""},
        {"x(20)", plain, kAlphanumericPicture, 20, 20, ""},
        {"x(1024)", plain, kAlphanumericPicture, 1024, 1024, ""},
        // Signs, credit and parentheses make the size word signed.
        {"S9(5)V9(2)", edited, kPlainNumeric | kEditedNumeric, 0x14A2, 9, "-99999v99"},
        {"(zz9.99)", edited, kPlainNumeric | kEditedNumeric, 0x1462, 8, "(zz9.99)"},
        {"zz9cr", edited, kPlainNumeric | kEditedNumeric, 0x1460, 5, "zz9cr"},
        {"zz,zz9.99", edited, kPlainNumeric | kEditedNumeric, 0x10A2, 9, "zz,zz9.99"},
        // A repeated currency or sign floats: each after the first is a digit.
        {"$$$9.99", edited, kPlainNumeric | kEditedNumeric, 0x1062, 7, "$$$9.99"},
        {"---9", edited, kPlainNumeric | kEditedNumeric, 0x1460, 4, "---9"},
        {"\xA3**9", edited, kPlainNumeric | kEditedNumeric, 0x1060, 4, "\xA3**9"},
        {"99%", edited, kPlainNumeric | kEditedNumeric, 0x1040, 3, "99%"},
        {"99b99", edited, kPlainNumeric | kEditedNumeric, 0x1080, 5, "99b99"},
        // Dates: ".", "-" and insertion characters are literals here.
        {"dd/mm/yyyy", edited, kDatePicture, 0x2080, 10, "dd/mm/yyyy"},
        {"DD-MMM-YYYY", edited, kDatePicture, 0x2080, 11, "dd-MMM-yyyy"},
        {"dd.mm.yy", edited, kDatePicture, 0x2080, 8, "dd.mm.yy"},
        {"mm/yy", edited, kDatePicture, 0x2080, 5, "mm/yy"},
        // With hours or seconds but no day or year, "mm" is minutes.
        {"hh:mm:ss", edited, kTimePicture, 0x2100, 8, "hh:nn:ss"},
        {"HH:MM:SS", edited, kTimePicture, 0x2100, 8, "hh:nn:ss"},
        {"mm:ss", edited, kTimePicture, 0x2100, 5, "nn:ss"},
        {"hh:mm pm", edited, kTimePicture, 0x2100, 8, "hh:nn aa"},
    };
    for (const auto& row : rows) {
        const CompiledPicture compiled = CompilePicture(row.picture);
        EXPECT_EQ(compiled.status, row.status) << row.picture;
        EXPECT_EQ(compiled.pictureClass, row.pictureClass) << row.picture;
        EXPECT_EQ(compiled.typeWord, row.typeWord) << row.picture;
        EXPECT_EQ(compiled.displayLength, row.length) << row.picture;
        EXPECT_EQ(compiled.editMask, row.mask) << row.picture;
    }
}

TEST(PictureCompilerTest, DefaultPicturesCompileToTheWidthTheirFieldsTake) {
    const struct {
        char type;
        SizeWord size;
        int width;
    } rows[] = {
        {'D', 0x2080, 11},
        {'T', 0x2100, 8},
        {'N', MakeNumericSize(kDisplayStorage, 5, 2, true), 9},
        {'N', MakeNumericSize(kBinaryStorage, 4, 0, false), 4},
        {'A', 20, 20},
    };
    for (const auto& row : rows) {
        const std::string picture = DefaultPictureText(row.size, row.type);
        const CompiledPicture compiled = CompilePicture(picture);
        EXPECT_NE(compiled.status, PictureStatus::Invalid) << picture;
        EXPECT_EQ(compiled.displayLength, row.width) << picture;
        const std::string expanded = PictureForField(row.type, row.size, "", PictureForm::Expanded);
        EXPECT_EQ(CompilePicture(expanded).displayLength, row.width) << expanded;
    }
}

TEST(PictureCompilerTest, TwelveHourClockNeedsHoursAndMarker) {
    EXPECT_TRUE(CompilePicture("hh:mm am").twelveHourClock);
    EXPECT_FALSE(CompilePicture("hh:mm").twelveHourClock);
    EXPECT_FALSE(CompilePicture("mm:ss am").twelveHourClock);
}

struct InvalidRow {
    const char* why;
    const char* picture;
    int positionsBeforeError;
};

TEST(PictureCompilerTest, InvalidPicturesKeepThePositionsCountedBeforeTheError) {
    const InvalidRow rows[] = {
        {"empty", "", 0},
        {"three-letter year", "dd/mm/yyy", 6},
        {"day twice", "dd/mm/dd", 6},
        {"hours twice", "hh:mm hh", 6},
        {"single d", "d/mm", 0},
        {"four m", "mmmm", 0},
        {"count of zero", "9(0)", 1},
        {"count not closed", "99(3", 2},
        {"count not digits", "9(1a)", 1},
        {"empty count", "x()", 1},
        {"count on a day", "dd(2)", 0},
        {"\"(\" not first", "9((3)", 1},
        {"\")\" without \"(\"", "99)", 2},
        {"\"(\" never closed", "(999", 4},
        {"\")\" not last", "(99)9", 3},
        {"two decimal points", "9.9v9", 3},
        {"decimal point repeated", "9v(2)", 2},
        {"unknown character", "99q", 2},
        {"\"a\" without \"m\"", "hh a", 3},
        {"\"c\" without \"r\"", "99c", 2},
        {"19 digits", "9(10)v9(9)", 20},
        {"text over 1024", "x(1025)", 1025},
        {"date and time", "dd/mm/yy hh", 11},
        {"number and text", "99x", 3},
        {"text with an insertion", "x/x", 3},
        {"number and date", "dd 99", 5},
        {"count too large", "x(99999999999999999999)", 1},
    };
    for (const auto& row : rows) {
        const CompiledPicture compiled = CompilePicture(row.picture);
        EXPECT_EQ(compiled.status, PictureStatus::Invalid) << row.why;
        EXPECT_EQ(compiled.typeWord, 0) << row.why;
        EXPECT_EQ(compiled.displayLength, row.positionsBeforeError) << row.why;
        EXPECT_EQ(PictureWidth(row.picture), row.positionsBeforeError) << row.why;
    }
}

TEST(PictureCompilerTest, EditMaskStopsAtFiftyPositions) {
    const CompiledPicture compiled = CompilePicture("dd b(60)");
    EXPECT_EQ(compiled.status, PictureStatus::Edited);
    EXPECT_EQ(compiled.displayLength, 63);
    EXPECT_EQ(compiled.editMask, "dd " + std::string(47, 'b'));
}

TEST(PictureCompilerTest, LongPicturesAreCountedNotStored) {
    std::string picture;
    for (int i = 0; i < 2000; ++i) picture += "b(65535)";
    const CompiledPicture compiled = CompilePicture("dd" + picture);
    EXPECT_EQ(compiled.status, PictureStatus::Edited);
    EXPECT_EQ(compiled.displayLength, 2 + 2000 * 65535);
    EXPECT_EQ(compiled.editMask.size(), kMaxEditMaskLength);
}

}  // namespace
}  // namespace pictures
