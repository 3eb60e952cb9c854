// Operand texts, field widths and the attribute word mapping: the small
// rules every item of a decoded screen is built from.

#include <gtest/gtest.h>

#include <string>

#include "platform/message_sink.h"
#include "tessellar/program/field_width.h"
#include "tessellar/program/operand_text.h"
#include "tessellar/program/program_attributes.h"
#include "tools/opimage/image.h"

namespace program {
namespace {

// A program whose one screen displays each operand, for reading them back.
class OperandTextTest : public ::testing::Test {
protected:
    std::uint32_t Operand(const opimage::Operand& operand) {
        opimage::Program program;
        program.variables = {{.name = "PRICE", .sizeWord = opimage::NumericSize(opimage::kDisplayDigits, 5, 2, true),
                              .type = 'N'},
                             {.name = "NAME", .sizeWord = 30}};
        program.entries.push_back({.name = "S", .body = {opimage::Display({.text = operand})}});
        const opimage::Image written = opimage::Write(program);
        image_ = ProgramImage(written.bytes);
        const std::uint32_t display = written.layout.entries[0].body[0].record;
        return ReadU24(image_, display + 6);
    }
    OperandValue Text(const opimage::Operand& operand) { return OperandText(image_, Operand(operand), sink); }
    OperandValue Title(const opimage::Operand& operand) { return TitleText(image_, Operand(operand), sink); }

    ProgramImage image_;
    platform::RecordingMessageSink sink;
};

TEST_F(OperandTextTest, EachOperandKindGivesItsTextLengthAndSource) {
    const OperandValue text = Text(opimage::Text("Customer", 20));
    EXPECT_EQ(text.text, "Customer");
    EXPECT_EQ(text.length, 20);
    EXPECT_EQ(text.source, model::TextSource::TextNumber);
    EXPECT_FALSE(text.data);

    const OperandValue name = Text(opimage::Var("NAME"));
    EXPECT_EQ(name.text, "NAME");
    EXPECT_EQ(name.length, 30);
    EXPECT_EQ(name.source, model::TextSource::Variable);
    EXPECT_TRUE(name.data);
    EXPECT_EQ(Text(opimage::Var("PRICE")).length, 9);

    const OperandValue literal = Text(opimage::Literal("Y"));
    EXPECT_EQ(literal.text, "<expression>");
    EXPECT_EQ(literal.length, 12);
    EXPECT_EQ(literal.source, model::TextSource::Expression);
    EXPECT_EQ(Text(opimage::Expr(0x10)).text, "<expression>");
    EXPECT_TRUE(sink.Messages().empty());
}

TEST_F(OperandTextTest, ATextNumberShowsAtMost99OfItsDeclaredCharacters) {
    EXPECT_EQ(Text(opimage::Text("Customer", 4)).text, "Cust");
    const OperandValue longText = Text(opimage::Text(std::string(150, 'z'), 150));
    EXPECT_EQ(longText.length, 99);
    EXPECT_EQ(longText.text, std::string(99, 'z'));
}

TEST_F(OperandTextTest, TitlesShowLiteralsAsTextsOrFormattedNumbers) {
    EXPECT_EQ(Title(opimage::Literal("Totals")).text, "Totals");
    EXPECT_EQ(Title(opimage::Literal("Totals", 3)).text, "Tot");
    EXPECT_EQ(Title(opimage::Number(-12.5, opimage::NumericSize(opimage::kPacked, 4, 2, true))).text, "  -12.50");
    EXPECT_EQ(Title(opimage::Text("Plain")).text, "Plain");
}

TEST_F(OperandTextTest, OnlyASmallBinaryLiteralIndexIsShown) {
    EXPECT_EQ(Text(opimage::Var("NAME", opimage::Subscript(12))).text, "NAME[12]");
    EXPECT_EQ(Text(opimage::Var("NAME", opimage::Number(3, opimage::NumericSize(opimage::kDisplayDigits, 2, 0))))
                  .text,
              "");
    EXPECT_EQ(Text(opimage::Var("NAME", opimage::Number(3, opimage::NumericSize(opimage::kBinary, 5, 0)))).text, "");
    EXPECT_EQ(Text(opimage::Var("NAME", opimage::Var("I"))).text, "");
}

TEST(FieldWidth, DatesTimesTextsAndNumbers) {
    EXPECT_EQ(FieldWidth(opimage::NumericSize(opimage::kBinary, 4, 0), 'D'), 11);
    EXPECT_EQ(FieldWidth(8, 'T'), 8);
    EXPECT_EQ(FieldWidth(8, 'J'), 10);
    EXPECT_EQ(FieldWidth(25, 'A'), 25);
    EXPECT_EQ(FieldWidth(opimage::NumericSize(opimage::kPacked, 5, 0), 'N'), 5);
    EXPECT_EQ(FieldWidth(opimage::NumericSize(opimage::kPacked, 5, 2, true), 'N'), 9);
    EXPECT_EQ(FieldWidth(opimage::NumericSize(opimage::kPacked, 5, 2, true), '1'), 10);
}

TEST(ProgramAttributes, WordsMapToFlags) {
    using namespace model::attribute;
    struct Row {
        std::uint16_t word;
        std::uint8_t screenFlags;
        bool inReviewArea;
        model::AttributeFlags flags;
        bool prompt;
    };
    const Row rows[] = {
        {0x0000, 0, false, 0, false},
        {0x0200, 0, false, kBackground | kRight, true},  // a prompt is right-aligned
        {0x0220, 0, false, kBold, false},                // bold wins over background
        {0x0240, 0, false, kBackground | kBlink, true},  // another flag keeps the prompt where it is
        {0x01D0, 0, false, kInverse | kUnderline | kBlink | kItalic, false},
        {0x0800, 0, false, kFixed, false},
        {0x000C, 0, false, kLeft, false},
        {0x0006, 0, false, kRight | kAlignmentMark, false},
        {0x000A, 0, false, kCenter | kAlignmentMark, false},
        {0x000E, 0, false, kLeft, false},
        {0x2000, 0, false, kBorder, false},
        {0x6000, 1, true, kReviewColumn, false},
        {0x6000, 1, false, kBorder, false},
        {0x4000, 0, false, kBorder, false},
        {0x5000, 0, false, 0, false},
        {0x4200, 0, false, kBackground | kRight, true},
        {0x4000, 1, true, kReviewColumn, false},
    };
    for (const Row& row : rows) {
        const ItemAttributes mapped = MapProgramAttributes(row.word, row.screenFlags, row.inReviewArea);
        EXPECT_EQ(mapped.flags, row.flags) << std::hex << row.word;
        EXPECT_EQ(mapped.prompt, row.prompt) << std::hex << row.word;
    }
}

}  // namespace
}  // namespace program
