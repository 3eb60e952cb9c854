// Damaged programs: whatever the bytes, loading, listing and decoding every
// entry must end with a clear message or an empty or partial result, never a
// crash, a hang or a read outside the image (the sanitizers watch every read).

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "platform/message_sink.h"
#include "tessellar/program/directory_page.h"
#include "tessellar/program/image/program_header.h"
#include "tessellar/program/image/program_image.h"
#include "tessellar/program/image/program_loader.h"
#include "tessellar/program/image/record_layout.h"
#include "tessellar/program/tests/decode_fixture.h"
#include "tools/opimage/image.h"

namespace program {
namespace {

std::vector<std::uint8_t> DemoBytes() {
    std::ifstream in(TESSELLAR_DEMO_PROGRAM, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void SetTotalSize(std::vector<std::uint8_t>& bytes, std::uint32_t size) {
    for (int i = 0; i < 4; ++i) bytes[header_field::kTotalSize + i] = static_cast<std::uint8_t>(size >> (24 - 8 * i));
}

// Loads, fills every browser page and decodes every listed entry; returns
// each page's caption with its rows or its empty message, or empty when the
// load failed.
std::string LoadAndList(std::vector<std::uint8_t> bytes, platform::RecordingMessageSink& sink) {
    auto image = LoadProgramFromBytes(std::move(bytes), "damaged.op6", sink);
    if (!image) return {};
    std::string listing;
    for (BrowserPage pageNumber : kBrowserPages) {
        DirectoryPage page(pageNumber);
        FillDirectoryPage(page, *image, "", sink);
        listing += std::string(PageCaption(pageNumber)) + '\n';
        if (page.Rows().empty()) listing += std::string(EmptyPageMessage(pageNumber)) + '\n';
        for (const DirectoryRow& row : page.Rows()) {
            listing += row.sequenceText + ' ' + row.typeText + ' ' + row.name + '\n';
        }
    }
    DirectoryPage everything(BrowserPage::All);
    FillDirectoryPage(everything, *image, "", sink);
    for (const auto& model : everything.Models()) DecodeScreen(*model, sink);
    return listing;
}

void PutInt24(std::vector<std::uint8_t>& bytes, std::uint32_t at, std::uint32_t value) {
    bytes.at(at) = static_cast<std::uint8_t>(value >> 16);
    bytes.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
    bytes.at(at + 2) = static_cast<std::uint8_t>(value);
}

TEST(DamagedImage, TruncatedAtEveryLengthFailsCleanlyOrListsPartOfTheProgram) {
    const std::vector<std::uint8_t> demo = DemoBytes();
    ASSERT_GT(demo.size(), 1000u);
    for (std::size_t length = 0; length < demo.size(); ++length) {
        std::vector<std::uint8_t> cut(demo.begin(), demo.begin() + static_cast<std::ptrdiff_t>(length));
        platform::RecordingMessageSink sink;
        EXPECT_EQ(LoadAndList(cut, sink), "") << length;  // the header's size no longer matches
        ASSERT_FALSE(sink.Messages().empty()) << length;

        if (length > kHeaderLength) {
            // The same bytes with a size field that agrees: records now point past the end.
            SetTotalSize(cut, static_cast<std::uint32_t>(length));
            platform::RecordingMessageSink quiet;
            EXPECT_NE(LoadAndList(cut, quiet), "") << length;
        }
    }
}

TEST(DamagedImage, SeededByteFlipsNeverCrashOrHang) {
    const std::vector<std::uint8_t> demo = DemoBytes();
    std::mt19937 random(20261208);
    std::uniform_int_distribution<std::size_t> position(0, demo.size() - 1);
    std::uniform_int_distribution<int> value(0, 255), count(1, 8);
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::uint8_t> damaged = demo;
        for (int flips = count(random); flips > 0; --flips) {
            damaged[position(random)] = static_cast<std::uint8_t>(value(random));
        }
        platform::RecordingMessageSink sink;
        LoadAndList(std::move(damaged), sink);
    }
}

// Statement lists of a damaged image that point back at themselves.
class LoopedStatements : public DecodeTest {
protected:
    model::CScreenModel& DecodeDamaged(const opimage::Program& program,
                                       void (*damage)(std::vector<std::uint8_t>&, const opimage::Layout&)) {
        opimage::Image written = opimage::Write(program);
        damage(written.bytes, written.layout);
        layout_ = std::move(written.layout);
        image_ = std::make_unique<ProgramImage>(std::move(written.bytes));
        return DecodeAt(layout_.entries[0].offset);
    }
};

opimage::Program OneScreen(opimage::StatementList body) {
    opimage::Program program;
    program.entries.push_back({.name = "S", .body = std::move(body)});
    return program;
}

TEST_F(LoopedStatements, ABlockThatHoldsItselfIsWalkedOnce) {
    using namespace opimage;
    const Program program = OneScreen({Block({Accept({.variable = "A"}), Message({Text("Saved")})})});
    const model::CScreenModel& screen = DecodeDamaged(program, [](auto& bytes, const Layout& layout) {
        const StatementLayout& block = layout.entries[0].body[0];
        PutInt24(bytes, block.first[1].offset + statement_field::kNext, block.offset);
    });
    EXPECT_EQ(screen.Accepts().Size(), 1u);
    EXPECT_EQ(screen.Messages().Size(), 1u);
}

TEST_F(LoopedStatements, BranchesThatPointAtEachOtherEndTheMessageWalk) {
    using namespace opimage;
    const Program program = OneScreen({TwoBranch({Message({Text("one")})}, {Message({Text("two")})}),
                                       Message({Text("three")})});
    const model::CScreenModel& screen = DecodeDamaged(program, [](auto& bytes, const Layout& layout) {
        const StatementLayout& branch = layout.entries[0].body[0];
        PutInt24(bytes, branch.first[0].offset + statement_field::kNext, branch.offset);
        PutInt24(bytes, branch.second[0].offset + statement_field::kNext, branch.first[0].offset);
    });
    EXPECT_EQ(screen.Messages().Size(), 3u);
}

TEST_F(LoopedStatements, NestingDeeperThanAnyRealProgramIsNotFollowed) {
    using namespace opimage;
    StatementList deepest = {Accept({.variable = "DEEP"}), Message({Text("deep")})};
    for (int depth = 0; depth < 1000; ++depth) deepest = {Block(std::move(deepest))};
    StatementList body = {Block({Accept({.variable = "SHALLOW"})})};
    body.push_back(std::move(deepest.front()));
    const model::CScreenModel& screen = Decode(OneScreen(std::move(body)));
    ASSERT_EQ(screen.Accepts().Size(), 1u);
    EXPECT_EQ(screen.Accepts()[0].name, "SHALLOW");
    EXPECT_TRUE(screen.Messages().Empty());
}

TEST_F(LoopedStatements, RecordsThatRunPastTheEndReadAsZero) {
    using namespace opimage;
    const Program program = OneScreen({Display({.row = 4, .column = 9, .text = Text("Name:")})});
    const model::CScreenModel& screen = DecodeDamaged(program, [](auto& bytes, const Layout& layout) {
        // The display record now starts 5 bytes before the end of the image.
        const std::uint32_t statement = layout.entries[0].body[0].offset;
        PutInt24(bytes, statement + statement_field::kData, static_cast<std::uint32_t>(bytes.size() - 5));
    });
    ASSERT_EQ(screen.Displays().Size(), 1u);
    EXPECT_EQ(screen.Displays()[0].text.Original(), "");
}

}  // namespace
}  // namespace program
