#include <gtest/gtest.h>

#include "tools/opimage/image.h"
#include "tools/opimage/tests/image_bytes.h"

namespace opimage {
namespace {

using namespace opimage::testing;

Program TwoEntries() {
    Program program;
    program.globals = {{.name = "G1"}, {.name = "G2"}};
    program.modes = {{.name = "ADD", .label = Text("Add")}};
    program.entries = {{.name = "FIRST", .title = Text("First")}, {.kind = EntryKind::Menu, .name = "SECOND"}};
    return program;
}

TEST(ImageHeader, FieldsPointAtTheirRecords) {
    const Image image = Write(TwoEntries());
    const Bytes& bytes = image.bytes;

    EXPECT_GE(Int24(bytes, 12), 95u) << "records start after the 95 header bytes";
    EXPECT_EQ(Int24(bytes, 12), image.layout.entries[0].offset);
    EXPECT_EQ(String(bytes, Int24(bytes, Int24(bytes, 12) + 30)), "FIRST");
    EXPECT_EQ(String(bytes, Int24(bytes, Int24(bytes, 18) + 3)), "G1");
    EXPECT_EQ(String(bytes, Int24(bytes, Int24(bytes, 21) + 3)), "ADD");
    EXPECT_EQ(Int24(bytes, 30), image.layout.textTable);
    EXPECT_EQ((Bytes{bytes[33], bytes[34], bytes[35], bytes[36]}), (Bytes{0x0D, 0x0A, 0xFF, 0x0A}));
    EXPECT_EQ(U16(bytes, 45), 3) << "two texts plus the unused entry 0";
    EXPECT_EQ(U32(bytes, 51), bytes.size());
}

TEST(ImageHeader, EmptyProgramHasNoEntriesAndOnlyTheUnusedText) {
    const Image image = Write(Program{});
    EXPECT_EQ(Int24(image.bytes, 12), 0u);
    EXPECT_EQ(Int24(image.bytes, 18), 0u);
    EXPECT_EQ(Int24(image.bytes, 21), 0u);
    EXPECT_EQ(U16(image.bytes, 45), 1);
    EXPECT_GT(U32(image.bytes, 51), 95u) << "even an empty program must pass the size check";
}

struct ForgedRow {
    const char* name;
    HeaderOverrides forged;
    std::uint32_t at;
    int width;
    std::uint32_t expected;
};

// Test listings show the row's name instead of its bytes.
void PrintTo(const ForgedRow& row, std::ostream* out) { *out << row.name; }

class ForgedHeader : public ::testing::TestWithParam<ForgedRow> {};

// Each forged field reads back as given while the others keep their true values.
TEST_P(ForgedHeader, WritesTheForgedValueOnly) {
    const ForgedRow& row = GetParam();
    Program program = TwoEntries();
    const Image honest = Write(program);
    program.header = row.forged;
    const Image forged = Write(program);

    ASSERT_EQ(forged.bytes.size(), honest.bytes.size());
    const std::uint32_t value = row.width == 2 ? U16(forged.bytes, row.at)
                                : row.width == 3 ? Int24(forged.bytes, row.at)
                                                 : U32(forged.bytes, row.at);
    EXPECT_EQ(value, row.expected);
    for (std::uint32_t i = 0; i < honest.bytes.size(); ++i) {
        if (i >= row.at && i < row.at + static_cast<std::uint32_t>(row.width)) continue;
        ASSERT_EQ(forged.bytes[i], honest.bytes[i]) << "byte " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ForgedHeader,
    ::testing::Values(
        ForgedRow{"WrongMagic", {.magic = 0x0D0AFF0B}, 33, 4, 0x0D0AFF0B},
        ForgedRow{"SizeOfHeaderOnly", {.totalSize = 95}, 51, 4, 95},
        ForgedRow{"SizeBeyondFile", {.totalSize = 1000000}, 51, 4, 1000000},
        ForgedRow{"TextCountTooSmall", {.textCount = 1}, 45, 2, 1},
        ForgedRow{"NoFirstEntry", {.firstEntry = 0}, 12, 3, 0},
        ForgedRow{"TextTableElsewhere", {.textTable = 12}, 30, 3, 12}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ImageHeader, TooManyTextsOverflowTheSixteenBitCount) {
    Program program;
    program.texts.assign(0xFFFE, "");
    EXPECT_FALSE(Write(program).layout.overflowed) << "text count 0xFFFF still fits";
    program.texts.push_back("");
    EXPECT_TRUE(Write(program).layout.overflowed);
}

}  // namespace
}  // namespace opimage
