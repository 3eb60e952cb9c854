// Damaged programs: whatever the bytes, the pre-test and the visit end
// without a crash, a hang or a read outside the image.

#include "promptsweep/text_extraction.h"

#include <gtest/gtest.h>

#include <random>

#include "promptsweep/item_blocks.h"
#include "promptsweep/tests/sample_programs.h"
#include "tools/opimage/image.h"

namespace promptsweep {
namespace {

class Collector : public HandOverTarget {
public:
    void EnsureNewContent() override { ++opens; }
    void HandOver(const HandedItem& item) override {
        text += FormatItemBlock(item, {{"Customer", "Client"}});
    }
    void EndEntry() override { ++entries; }
    int opens = 0;
    int entries = 0;
    std::string text;
};

const PairList kPairs{{"Customer", "Client"}};

TEST(SweepTextExtraction, EveryTextOfTheSampleIsFoundOnce) {
    const program::ProgramImage image(opimage::Write(testing::CustomerProgram()).bytes);
    EXPECT_TRUE(PretestFinds(image, "Customer"));
    EXPECT_FALSE(PretestFinds(image, "Supplier"));
    Collector collector;
    EXPECT_TRUE(VisitProgram(image, kPairs, collector));
    EXPECT_EQ(collector.entries, 3);
    // Every matching text asks for the new content file: the title, one
    // mode's help and the other's label, the display's title and text, the
    // accept's title and help, the box, the confirm, two messages, the first
    // option's text and help and the second option's help.
    EXPECT_EQ(collector.opens, 14);
}

TEST(SweepTextExtraction, OperandsThatAreNoTextReferenceGiveNoText) {
    using namespace opimage;
    Program program;
    Entry screen{.kind = EntryKind::Screen, .name = "s"};
    screen.title = Var("Customer");
    screen.body = {Display({.row = 1, .column = 1, .text = Literal("Customer")}),
                   Display({.row = 0x800001, .column = 1, .text = Expr()}),
                   Display({.row = 2, .column = 1, .text = Text("Customer", 4)})};
    program.entries = {screen};
    const program::ProgramImage image(Write(program).bytes);
    Collector collector;
    // The declared length cuts the last text to "Cust".
    EXPECT_FALSE(VisitProgram(image, kPairs, collector));
}

TEST(SweepTextExtraction, SeededByteFlipsNeverCrashOrHang) {
    const std::vector<std::uint8_t> bytes = opimage::Write(testing::CustomerProgram()).bytes;
    std::mt19937 random(20261208);
    std::uniform_int_distribution<std::size_t> position(0, bytes.size() - 1);
    std::uniform_int_distribution<int> value(0, 255), count(1, 8);
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::uint8_t> damaged = bytes;
        for (int flips = count(random); flips > 0; --flips) {
            damaged[position(random)] = static_cast<std::uint8_t>(value(random));
        }
        const program::ProgramImage image(std::move(damaged));
        Collector collector;
        PretestFinds(image, "Customer");
        VisitProgram(image, kPairs, collector);
    }
}

TEST(SweepTextExtraction, EveryTruncationIsSurvived) {
    const std::vector<std::uint8_t> bytes = opimage::Write(testing::CustomerProgram()).bytes;
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const program::ProgramImage image(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length)));
        Collector collector;
        PretestFinds(image, "Customer");
        VisitProgram(image, kPairs, collector);
    }
}

}  // namespace
}  // namespace promptsweep
