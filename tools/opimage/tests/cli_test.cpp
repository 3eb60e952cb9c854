#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "tools/opimage/tests/image_bytes.h"

namespace opimage {
namespace {

namespace fs = std::filesystem;

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        directory_ = fs::temp_directory_path() /
                     ("opimage_cli_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(directory_);
        fs::create_directories(directory_);
    }
    void TearDown() override { fs::remove_all(directory_); }

    // Runs the tool with the arguments; returns its exit status and keeps stderr.
    int Run(const std::string& arguments) {
        const std::string command = std::string(OPIMAGE_CLI) + " " + arguments + " 2>" + (directory_ / "stderr").string();
        const int status = std::system(command.c_str());
        std::ifstream in(directory_ / "stderr");
        errors_.assign(std::istreambuf_iterator<char>(in), {});
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path directory_;
    std::string errors_;
};

TEST_F(Cli, DescriptionErrorNamesFileAndLine) {
    const fs::path description = directory_ / "bad.opt";
    std::ofstream(description) << "global X\n\nscreen S {\n  colour red\n}\n";
    EXPECT_EQ(Run(description.string() + " -o " + (directory_ / "out.op6").string()), 1);
    EXPECT_EQ(errors_, "opimage: " + description.string() + ":4: unknown attribute 'colour' of an entry\n");
    EXPECT_FALSE(fs::exists(directory_ / "out.op6"));
}

TEST_F(Cli, UsageErrorsExitWithTwo) {
    EXPECT_EQ(Run("--generate 5"), 2) << "no output";
    EXPECT_EQ(Run("--generate many -o x.op6"), 2);
    EXPECT_EQ(Run("a.opt --generate 5 -o x.op6"), 2) << "both a description and --generate";
}

// The synthetic program mixes every kind of entry, in turn.
TEST_F(Cli, GenerateWritesEveryKindOfEntry) {
    const fs::path image = directory_ / "generated.op6";
    ASSERT_EQ(Run("--generate 10 -o " + image.string()), 0) << errors_;
    std::ifstream in(image, std::ios::binary);
    const testing::Bytes bytes{std::istreambuf_iterator<char>(in), {}};

    ASSERT_GT(bytes.size(), 95u);
    EXPECT_EQ(testing::U32(bytes, 51), bytes.size());
    const std::vector<std::uint32_t> entries = testing::Chain(bytes, testing::Int24(bytes, 12), 33);
    ASSERT_EQ(entries.size(), 10u);
    std::multiset<std::pair<int, int>> kinds;  // (kind bits, screen flags)
    for (std::uint32_t entry : entries) kinds.insert({bytes[entry + 67] & 3, bytes[entry + 69]});
    const std::vector<std::pair<int, int>> expected{{1, 0x00}, {1, 0x01}, {1, 0x80}, {2, 0x00}, {0, 0x00}};
    for (const auto& kind : expected) {
        EXPECT_EQ(kinds.count(kind), 2u) << "kind " << kind.first << " flags " << kind.second;
    }
}

}  // namespace
}  // namespace opimage
