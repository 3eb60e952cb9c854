// Damaged programs: whatever the bytes, loading and listing must end with a
// clear message or an empty or partial listing, never a crash, a hang or a
// read outside the image (the sanitizers watch every read).

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "platform/message_sink.h"
#include "tessellar/program/image/program_header.h"
#include "tessellar/program/image/program_loader.h"
#include "tools/opdump/directory_listing.h"

namespace program {
namespace {

std::vector<std::uint8_t> DemoBytes() {
    std::ifstream in(TESSELLAR_DEMO_PROGRAM, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void SetTotalSize(std::vector<std::uint8_t>& bytes, std::uint32_t size) {
    for (int i = 0; i < 4; ++i) bytes[header_field::kTotalSize + i] = static_cast<std::uint8_t>(size >> (24 - 8 * i));
}

// Loads and lists; returns the listing, or empty when the load failed.
std::string LoadAndList(std::vector<std::uint8_t> bytes, platform::RecordingMessageSink& sink) {
    auto image = LoadProgramFromBytes(std::move(bytes), "damaged.op6", sink);
    if (!image) return {};
    std::ostringstream listing;
    opdump::WriteDirectoryListing(*image, listing, sink);
    return listing.str();
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

}  // namespace
}  // namespace program
