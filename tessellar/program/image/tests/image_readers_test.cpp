#include <gtest/gtest.h>

#include "platform/message_sink.h"
#include "tessellar/program/image/chain_walk.h"
#include "tessellar/program/image/program_header.h"
#include "tessellar/program/image/program_image.h"
#include "tessellar/program/image/text_table.h"
#include "tools/opimage/image.h"

namespace program {
namespace {

ProgramImage FromBytes(std::vector<std::uint8_t> bytes) { return ProgramImage(std::move(bytes)); }

TEST(FieldReaders, ReadBigEndianAndGiveZeroOutsideTheImage) {
    const ProgramImage image = FromBytes({0x12, 0x34, 0x56, 0x78, 0x9A});
    EXPECT_EQ(ReadByte(image, 4), 0x9A);
    EXPECT_EQ(ReadU16(image, 0), 0x1234);
    EXPECT_EQ(ReadU24(image, 1), 0x3456'78u);
    EXPECT_EQ(ReadU32(image, 1), 0x3456'789Au);
    // A field that starts inside but ends outside reads as 0, as does one far away.
    EXPECT_EQ(ReadU24(image, 3), 0u);
    EXPECT_EQ(ReadU32(image, 2), 0u);
    EXPECT_EQ(ReadByte(image, 5), 0);
    EXPECT_EQ(ReadU16(image, 0xFFFFFFFFFFFFFFFFull), 0);
}

TEST(FieldReaders, StringsEndAtTheirNulOrAtTheImageEnd) {
    const ProgramImage image = FromBytes({0, 'A', 'B', 0, 'C', 'D', 'E'});
    EXPECT_EQ(ReadString(image, 1), "AB");
    EXPECT_EQ(ReadString(image, 4), "CDE");  // unterminated: cut at the end of the image
    EXPECT_EQ(ReadString(image, 0), "");     // offset 0 is "none"
    EXPECT_EQ(ReadString(image, 7), "");
    EXPECT_EQ(ReadString(image, 4, 3), "CD");  // a capacity of 3 holds 2 characters
    EXPECT_EQ(ReadString(image, 4, 0), "");
}

TEST(Coordinates, TheTopBitMarksARunTimeValue) {
    EXPECT_TRUE(IsExpression(0x800005));
    EXPECT_EQ(CoordinateValue(0x800005), 1u);
    EXPECT_EQ(CoordinateText(0x800005), "<expression>");
    EXPECT_FALSE(IsExpression(0x7FFFFF));
    EXPECT_EQ(CoordinateValue(5), 5u);
    EXPECT_EQ(CoordinateText(5), "5");
}

class TextTableTest : public ::testing::Test {
protected:
    TextTableTest() {
        opimage::Program program;
        program.texts = {"Customer", "Order number", "A text longer than its field"};
        image = ProgramImage(opimage::Write(program).bytes);
    }
    ProgramImage image;
    platform::RecordingMessageSink sink;
};

TEST_F(TextTableTest, ValidNumbersRunFromOneToCountMinusOne) {
    ASSERT_EQ(ReadProgramHeader(image).textCount, 4);
    std::string text;
    EXPECT_TRUE(ReadText(image, 1, 100, text, sink));
    EXPECT_EQ(text, "Customer");
    EXPECT_TRUE(ReadText(image, 3, 100, text, sink));
    EXPECT_EQ(text, "A text longer than its field");
    EXPECT_TRUE(ReadText(image, 3, 7, text, sink));
    EXPECT_EQ(text, "A text");
    EXPECT_TRUE(sink.Messages().empty());
}

TEST_F(TextTableTest, NumbersOutsideTheCountAreRefusedAndLeaveTheTextAlone) {
    for (int number : {0, 4, -1, 70000}) {
        std::string text = "unchanged";
        EXPECT_FALSE(ReadText(image, number, 100, text, sink)) << number;
        EXPECT_EQ(text, "unchanged");
    }
    EXPECT_EQ(sink.Messages(), std::vector<std::string>(4, "Internal error: illegal text number"));
}

TEST(TextTable, ADamagedTableOffsetGivesEmptyText) {
    opimage::Program program;
    program.texts = {"Customer"};
    auto bytes = opimage::Write(program).bytes;
    bytes[header_field::kTextTable] = 0x7F;  // the table now lies far outside the image
    const ProgramImage image(std::move(bytes));
    platform::RecordingMessageSink sink;
    std::string text = "old";
    EXPECT_TRUE(ReadText(image, 1, 100, text, sink));
    EXPECT_EQ(text, "");
}

TEST(ChainWalk, StopsAtZeroAtTheImageEndAndAtTheFirstRecordMetTwice) {
    // Records of 3 bytes whose first field is the next record.
    const ProgramImage image = FromBytes({0, 0, 0,  0, 0, 6,  0, 0, 3,  0, 0, 0, 0xFF, 0xFF, 0xFF});
    std::vector<std::uint32_t> visited;
    for (ChainWalk walk(image, 3, 0); std::uint32_t record = walk.Next();) visited.push_back(record);
    EXPECT_EQ(visited, (std::vector<std::uint32_t>{3, 6}));  // 6 points back at 3: a loop

    visited.clear();
    for (ChainWalk walk(image, 9, 0); std::uint32_t record = walk.Next();) visited.push_back(record);
    EXPECT_EQ(visited, std::vector<std::uint32_t>{9});

    visited.clear();
    for (ChainWalk walk(image, 12, 0); std::uint32_t record = walk.Next();) visited.push_back(record);
    EXPECT_EQ(visited, std::vector<std::uint32_t>{12});  // its next lies outside the image

    ChainWalk outside(image, 500, 0);
    EXPECT_EQ(outside.Next(), 0u);
}

TEST(ChainWalk, VisitsEveryRecordOfALoopOnceWhereverTheLoopCloses) {
    auto walk = [](const ProgramImage& image, std::uint32_t first) {
        std::vector<std::uint32_t> visited;
        for (ChainWalk chain(image, first, 0); std::uint32_t record = chain.Next();) visited.push_back(record);
        return visited;
    };
    // 3 -> 6 -> 9 -> 12 -> 6: a tail, then a loop of three.
    EXPECT_EQ(walk(FromBytes({0, 0, 0, 0, 0, 6, 0, 0, 9, 0, 0, 12, 0, 0, 6}), 3),
              (std::vector<std::uint32_t>{3, 6, 9, 12}));
    // A record that names itself as its successor.
    EXPECT_EQ(walk(FromBytes({0, 0, 0, 0, 0, 3}), 3), std::vector<std::uint32_t>{3});
    // A long chain without a loop is walked to its end.
    std::vector<std::uint8_t> bytes(3 * 1000, 0);
    for (std::uint32_t record = 3; record + 3 < bytes.size(); record += 3) {
        bytes[record + 1] = static_cast<std::uint8_t>((record + 3) >> 8);
        bytes[record + 2] = static_cast<std::uint8_t>((record + 3) & 0xFF);
    }
    EXPECT_EQ(walk(FromBytes(bytes), 3).size(), 999u);
}

}  // namespace
}  // namespace program
