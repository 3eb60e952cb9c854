// Opening files where anyone may have put a link, a FIFO or a device, the
// bounds of what is read, and which paths lie inside the run's directories.

#include "promptsweep/untrusted_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>

#include "promptsweep/link_paths.h"
#include "promptsweep/replacement_list.h"
#include "testsupport/scratch_directory.h"

namespace promptsweep {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct ReadCase {
    const char* name;
    std::function<std::string(const fs::path&)> make;  // gives the path to read
    std::size_t limit;
    FileRefusal refusal;
};

// Test names and messages show the row's own name.
void PrintTo(const ReadCase& row, std::ostream* out) { *out << row.name; }

const ReadCase kReads[] = {
    {"RegularFile", [](const fs::path& d) { std::ofstream(d / "f") << "abcd"; return (d / "f").string(); }, 4,
     FileRefusal::None},
    {"OneByteOverTheLimit", [](const fs::path& d) { std::ofstream(d / "f") << "abcde"; return (d / "f").string(); },
     4, FileRefusal::TooLarge},
    {"LinkToARegularFile",
     [](const fs::path& d) {
         std::ofstream(d / "f") << "abcd";
         fs::create_symlink(d / "f", d / "link");
         return (d / "link").string();
     },
     4, FileRefusal::None},
    {"Fifo", [](const fs::path& d) { ::mkfifo((d / "fifo").c_str(), 0666); return (d / "fifo").string(); }, 4,
     FileRefusal::NotRegular},
    {"EndlessDevice", [](const fs::path&) { return std::string("/dev/zero"); }, 4, FileRefusal::NotRegular},
    {"Directory", [](const fs::path& d) { return d.string(); }, 4, FileRefusal::NotRegular},
    {"Missing", [](const fs::path& d) { return (d / "none").string(); }, 4, FileRefusal::CannotOpen},
};

class SweepRegularFileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(SweepRegularFileRead, ReadsOnlyWholeRegularFilesWithinTheLimit) {
    testsupport::ScratchDirectory scratch;
    const RegularFileRead read = ReadRegularFile(GetParam().make(scratch.Path()), GetParam().limit);
    EXPECT_EQ(read.refusal, GetParam().refusal);
    EXPECT_EQ(read.content.has_value(), GetParam().refusal == FileRefusal::None);
    if (read.content) {
        EXPECT_EQ(*read.content, "abcd");
    }
}

INSTANTIATE_TEST_SUITE_P(Files, SweepRegularFileRead, ::testing::ValuesIn(kReads),
                         [](const auto& info) { return std::string(info.param.name); });

struct WriteCase {
    const char* name;
    WriteOpening opening;
};

// Test names and messages show the row's own name.
void PrintTo(const WriteCase& row, std::ostream* out) { *out << row.name; }

const WriteCase kWrites[] = {
    {"Append", WriteOpening::Append}, {"Truncate", WriteOpening::Truncate}, {"CreateNew", WriteOpening::CreateNew}};

class SweepWriteOpening : public ::testing::TestWithParam<WriteCase> {};

TEST_P(SweepWriteOpening, ALinkOrAFifoInThePlaceOfTheFileIsRefusedAndLeftAsItWas) {
    testsupport::ScratchDirectory scratch;
    const fs::path victim = scratch.Path() / "victim";
    std::ofstream(victim) << "keep";
    fs::create_symlink(victim, scratch.Path() / "link");
    ::mkfifo((scratch.Path() / "fifo").c_str(), 0666);

    for (const char* name : {"link", "fifo"}) {
        FileRefusal refusal = FileRefusal::None;
        EXPECT_EQ(OpenRegularForWriting((scratch.Path() / name).string(), GetParam().opening, refusal), nullptr)
            << name;
        EXPECT_NE(refusal, FileRefusal::None) << name;
    }
    EXPECT_EQ(Read(victim), "keep");
    EXPECT_TRUE(fs::is_symlink(scratch.Path() / "link"));

    FileRefusal refusal = FileRefusal::None;
    std::FILE* file = OpenRegularForWriting((scratch.Path() / "new").string(), GetParam().opening, refusal);
    ASSERT_NE(file, nullptr);
    std::fclose(file);
}

INSTANTIATE_TEST_SUITE_P(Openings, SweepWriteOpening, ::testing::ValuesIn(kWrites),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SweepWriteOpening, ALinkInThePlaceOfTheRunLogIsNamedAsTheReason) {
    testsupport::ScratchDirectory scratch;
    fs::create_symlink(scratch.Path() / "elsewhere", scratch.Path() / "log");
    FileRefusal refusal = FileRefusal::None;
    EXPECT_EQ(OpenRegularForWriting((scratch.Path() / "log").string(), WriteOpening::Append, refusal), nullptr);
    EXPECT_EQ(refusal, FileRefusal::Link);
    EXPECT_FALSE(fs::exists(scratch.Path() / "elsewhere"));
}

TEST(SweepLinkPaths, APathLiesWithinARootOnlyByWholeComponents) {
    const std::vector<std::string> roots{"/srv/progs", "/out"};
    EXPECT_TRUE(LiesWithin("/srv/progs", roots));
    EXPECT_TRUE(LiesWithin("/srv/progs/a/b", roots));
    EXPECT_TRUE(LiesWithin("/out/x", roots));
    EXPECT_FALSE(LiesWithin("/srv/progs2", roots));
    EXPECT_FALSE(LiesWithin("/srv", roots));
    EXPECT_FALSE(LiesWithin("", roots));
    EXPECT_TRUE(LiesWithin("/anything", {"/"}));
}

TEST(SweepLinkPaths, AChainOfLinksEndsInItsLastTargetAndALoopInNothing) {
    testsupport::ScratchDirectory scratch;
    const fs::path d = scratch.Path();
    fs::create_directories(d / "sub");
    fs::create_symlink("sub/b", d / "a");     // relative to the link's own directory
    fs::create_symlink("../c.scf", d / "sub" / "b");
    EXPECT_EQ(fs::path(FinalLinkTarget((d / "a").string())).lexically_normal(), (d / "c.scf").lexically_normal());
    EXPECT_EQ(FinalLinkTarget((d / "sub").string()), (d / "sub").string());
    fs::create_symlink("loop2", d / "loop1");
    fs::create_symlink("loop1", d / "loop2");
    EXPECT_EQ(FinalLinkTarget((d / "loop1").string()), "");
}

TEST(SweepReplacementList, APairHoldingACarriageReturnIsRefusedWithItsLine) {
    const ReplacementList list = ParseReplacementList("\"Name\",\"Title\"\r\n\"Customer\",\"Cli\rent\"\r\n");
    EXPECT_FALSE(list.ok);
    EXPECT_EQ(list.output.substr(0, list.output.find('\n') + 1),
              "Incorrect Specification: \"Customer\",\"Cli\\rent\" - a line end or a carriage return cannot stand "
              "in a text\n");
}

TEST(SweepReplacementList, TheFirstLineOverTheLimitIsFound) {
    EXPECT_EQ(FirstOverlongLine("a\n" + std::string(kMaxListLineLength, 'x') + "\n"), 0);
    EXPECT_EQ(FirstOverlongLine("a\nb\n" + std::string(kMaxListLineLength + 1, 'x')), 3);
    EXPECT_EQ(FirstOverlongLine(""), 0);
}

}  // namespace
}  // namespace promptsweep
