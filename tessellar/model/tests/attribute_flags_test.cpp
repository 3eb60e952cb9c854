// Attribute texts and records are what override files and property pages
// carry: they must convert both ways without losing a flag.

#include <gtest/gtest.h>

#include "tessellar/model/attribute_flags.h"

namespace model {
namespace {

TEST(AttributeFlags, TextListsTheWordsInTheirFixedOrder) {
    EXPECT_EQ(AttributesToText(attribute::kBorder | attribute::kBold, false), "bold,border");
    EXPECT_EQ(AttributesToText(0, false), "");
    EXPECT_EQ(AttributesToText(attribute::kBackground | attribute::kRight, true), "background,right,prompt");
    EXPECT_EQ(AttributesToText(0, true), "prompt");
    // Decoding-only bits have no word.
    EXPECT_EQ(AttributesToText(attribute::kAlignmentMark | attribute::kReviewColumn, false), "");
}

TEST(AttributeFlags, ReadingTakesExactItemsUpToACommentOrLineEnd) {
    EXPECT_EQ(TextToAttributes("bold,underline // shown in red"), attribute::kBold | attribute::kUnderline);
    EXPECT_EQ(TextToAttributes("bold,underline//comment"), attribute::kBold | attribute::kUnderline);
    EXPECT_EQ(TextToAttributes("border\n"), attribute::kBorder);
    // Items are not trimmed: " blink" is no word.
    EXPECT_EQ(TextToAttributes("background, blink"), attribute::kBackground);
    // "prompt" names the prompt mark, no attribute bit.
    EXPECT_EQ(TextToAttributes("prompt"), 0u);
    EXPECT_TRUE(TextNamesPrompt("bold,prompt"));
    EXPECT_FALSE(TextNamesPrompt("bold, prompt"));
    EXPECT_EQ(TextToAttributes("BOLD,shiny,,"), 0u);
    EXPECT_EQ(TextToAttributes(""), 0u);
}

TEST(AttributeFlags, EveryNamedFlagSurvivesTextAndRecord) {
    const AttributeFlags named[] = {attribute::kBold,   attribute::kBackground, attribute::kBlink,
                                    attribute::kUnderline, attribute::kInverse, attribute::kFixed,
                                    attribute::kItalic, attribute::kLeft,       attribute::kCenter,
                                    attribute::kRight,  attribute::kSunken,     attribute::kBorder};
    AttributeFlags all = 0;
    for (AttributeFlags flag : named) {
        EXPECT_EQ(TextToAttributes(AttributesToText(flag, false)), flag);
        EXPECT_EQ(RecordToAttributes(AttributesToRecord(flag)), flag);
        all |= flag;
    }
    EXPECT_EQ(TextToAttributes(AttributesToText(all, false)), all);
    EXPECT_EQ(RecordToAttributes(AttributesToRecord(all | attribute::kAlignmentMark)), all);

    const AttributeRecord record = AttributesToRecord(attribute::kBold | attribute::kBorder);
    EXPECT_TRUE(record.bold);
    EXPECT_TRUE(record.border);
    EXPECT_FALSE(record.background);
}

}  // namespace
}  // namespace model
