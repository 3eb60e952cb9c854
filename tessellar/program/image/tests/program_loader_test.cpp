#include <gtest/gtest.h>

#include "platform/message_sink.h"
#include "tessellar/program/image/program_loader.h"
#include "testsupport/scratch_directory.h"
#include "tools/opimage/image.h"

namespace program {
namespace {

opimage::Program SmallProgram() {
    opimage::Program program;
    program.entries.push_back({.kind = opimage::EntryKind::Screen, .name = "CUSTOMER"});
    return program;
}

std::vector<std::uint8_t> Bytes(const opimage::Program& program) { return opimage::Write(program).bytes; }

class LoaderTest : public ::testing::Test {
protected:
    testsupport::ScratchDirectory scratch;
    platform::RecordingMessageSink sink;
};

TEST_F(LoaderTest, LoadsAWellFormedProgramWhole) {
    const auto bytes = Bytes(SmallProgram());
    const auto image = LoadProgram(scratch.Write("good.op6", bytes), sink);
    ASSERT_TRUE(image);
    EXPECT_EQ(std::vector<std::uint8_t>(image->Bytes().begin(), image->Bytes().end()), bytes);
    EXPECT_TRUE(sink.Messages().empty());
    EXPECT_TRUE(sink.Output().empty());
}

TEST_F(LoaderTest, MissingFileNamesThePathAndTheSystemError) {
    const std::string path = (scratch.Path() / "absent.op6").string();
    EXPECT_FALSE(LoadProgram(path, sink));
    EXPECT_EQ(sink.Messages(), std::vector<std::string>{"Can't open " + path + " (errno=2)"});

    platform::RecordingMessageSink batch;
    EXPECT_FALSE(LoadProgram(path, batch, LoaderFlavour::Batch));
    EXPECT_TRUE(batch.Messages().empty());
    EXPECT_EQ(batch.Output(), "Can't open " + path + " (errno=2)\n");
}

TEST_F(LoaderTest, ShortHeaderGivesTheHeaderMessageAndNothingElse) {
    auto bytes = Bytes(SmallProgram());
    bytes.resize(94);
    const std::string path = scratch.Write("short.op6", bytes);
    EXPECT_FALSE(LoadProgram(path, sink));
    EXPECT_EQ(sink.Messages(), std::vector<std::string>{"Error reading header of - " + path});

    platform::RecordingMessageSink batch;
    EXPECT_FALSE(LoadProgram(path, batch, LoaderFlavour::Batch));
    EXPECT_EQ(batch.Output(), "Error reading header\n");
}

TEST_F(LoaderTest, WrongMagicGivesFormatAndMagicMessages) {
    auto program = SmallProgram();
    program.header.magic = 0x0D0AFF0B;
    EXPECT_FALSE(LoadProgram(scratch.Write("magic.op6", Bytes(program)), sink));
    EXPECT_EQ(sink.Messages(), (std::vector<std::string>{"Not the correct operation table format",
                                                         "Magic number was 0xd0aff0b (needed 0xd0aff0a)"}));

    platform::RecordingMessageSink batch;
    EXPECT_FALSE(LoadProgram(scratch.Write("magic.op6", Bytes(program)), batch, LoaderFlavour::Batch));
    EXPECT_EQ(batch.Output(),
              "Not the correct operation table format\nMagic number was 0xd0aff0b (needed 0xd0aff0a)\n");
}

TEST_F(LoaderTest, TotalSizeMustExceedTheHeaderLength) {
    auto program = SmallProgram();
    program.header.totalSize = 95;
    EXPECT_FALSE(LoadProgram(scratch.Write("95.op6", Bytes(program)), sink));
    EXPECT_EQ(sink.Messages(), (std::vector<std::string>{"Not the correct operation table format",
                                                         "Magic number was 0xd0aff0a (needed 0xd0aff0a)"}));

    sink.Clear();
    program.header.totalSize = 96;
    const auto image = LoadProgram(scratch.Write("96.op6", Bytes(program)), sink);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Size(), 96u);  // the block holds the header's size, not the file's
    EXPECT_TRUE(sink.Messages().empty());
}

TEST_F(LoaderTest, TotalSizeBeyondTheFileFailsWithoutReservingIt) {
    auto program = SmallProgram();
    const auto realSize = static_cast<std::uint32_t>(Bytes(program).size());
    for (std::uint32_t size : {realSize + 1, 0xFFFFFFF0u}) {
        sink.Clear();
        program.header.totalSize = size;
        EXPECT_FALSE(LoadProgram(scratch.Write("long.op6", Bytes(program)), sink));
        EXPECT_EQ(sink.Messages(), std::vector<std::string>{"Error reading header info."});
    }
}

TEST_F(LoaderTest, BytesInMemoryFollowTheSameRules) {
    const auto bytes = Bytes(SmallProgram());
    EXPECT_TRUE(LoadProgramFromBytes(bytes, "mem", sink));

    EXPECT_FALSE(LoadProgramFromBytes({bytes.begin(), bytes.begin() + 50}, "mem", sink));
    EXPECT_FALSE(LoadProgramFromBytes({bytes.begin(), bytes.end() - 1}, "mem", sink));
    EXPECT_EQ(sink.Messages(),
              (std::vector<std::string>{"Error reading header of - mem", "Error reading header info."}));
}

}  // namespace
}  // namespace program
