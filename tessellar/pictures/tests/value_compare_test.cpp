// Comparing field values and recognising ranges.

#include <gtest/gtest.h>

#include "tessellar/pictures/value_compare.h"

namespace pictures {
namespace {

TEST(CompareValuesTest, NumbersWithinTheToleranceAreEqual) {
    EXPECT_EQ(CompareNumbers(1.0, 1.0 + 1e-8), 0);
    EXPECT_EQ(CompareNumbers(1.0, 1.0 + 3e-8), -1);
    EXPECT_EQ(CompareNumbers(2.0, 1.0), 1);
    const SizeWord number = MakeNumericSize(kDisplayStorage, 5, 2, true);
    EXPECT_EQ(CompareValues(" 10.50", "10.5", number), 0);
    EXPECT_EQ(CompareValues("9", "10", number), -1);  // not as texts
    EXPECT_EQ(CompareValues("-3", "+2", number), -1);
}

TEST(CompareValuesTest, TextsByteByByte) {
    EXPECT_EQ(CompareValues("9", "10", 10), 1);
    EXPECT_EQ(CompareTexts("ABC", "ABC   "), 0);
    EXPECT_EQ(CompareTexts("ABC", "ABD"), -1);
    EXPECT_EQ(CompareTexts("AB", "ABC"), -1);
    EXPECT_EQ(CompareTexts("\xE9", "z"), 1);  // bytes compare unsigned
    EXPECT_EQ(CompareTexts(" A", "A"), -1);   // leading blanks count
}

TEST(NumberFromTextTest, ReadsTheLeadingNumberOnly) {
    EXPECT_EQ(NumberFromText("  -12.25xyz"), -12.25);
    EXPECT_EQ(NumberFromText("1e5"), 1.0);
    EXPECT_EQ(NumberFromText("nan"), 0.0);
    EXPECT_EQ(NumberFromText("."), 0.0);
    EXPECT_EQ(NumberFromText(""), 0.0);
}

TEST(RangeTextTest, ToWithBlanksOnBothSides) {
    EXPECT_TRUE(IsRangeText("1 to 5"));
    EXPECT_FALSE(IsRangeText("Toronto"));
    EXPECT_FALSE(IsRangeText("1 to"));
    const auto [low, high] = SplitRangeText("A to B to C");
    EXPECT_EQ(low, "A");
    EXPECT_EQ(high, "B to C");
}

}  // namespace
}  // namespace pictures
