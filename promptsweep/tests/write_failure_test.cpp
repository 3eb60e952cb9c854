// Whole runs on a disk that fills up: every write of an override file, a
// new content file or a merge file can fail at any of its steps. A file not
// written whole is never put in place nor counted, its temporaries go, the
// run log says which file, and the run ends with a non-zero status.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

#include "platform/file_replace.h"
#include "promptsweep/sweep.h"
#include "promptsweep/tests/expected_texts.h"
#include "promptsweep/tests/sample_programs.h"
#include "testsupport/scratch_directory.h"
#include "tools/opimage/image.h"

namespace promptsweep {
namespace {

namespace fs = std::filesystem;

class Quiet : public platform::MessageSink {
public:
    void ShowMessage(std::string_view) override {}
    void WriteOutput(std::string_view) override {}
};

// The platform's own file replacement, made to fail at one of its I/O
// steps (1 the temporary, 2 the bytes, 3 the flush, 4 the sync, 5 the
// rename) for the files whose names end as given.
class FullDisk : public FileOperations {
public:
    FullDisk(std::size_t failingStep, std::string failingEnding)
        : failingStep_(failingStep), failingEnding_(std::move(failingEnding)) {}
    bool WriteWhole(const std::string& path, std::string_view content, bool) override { return Write(path, content); }
    bool WriteDurably(const std::string& path, std::string_view content) override { return Write(path, content); }

private:
    bool Write(const std::string& path, std::string_view content) {
        platform::IoFaults faults(path.ends_with(failingEnding_) ? failingStep_ : 0);
        return platform::ReplaceFile(path, content, faults);
    }
    std::size_t failingStep_;
    std::string failingEnding_;
};

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Names(const fs::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void WriteProgram(const opimage::Program& program, const fs::path& path) {
    std::string error;
    ASSERT_TRUE(opimage::WriteFile(program, path, error)) << error;
}

const std::string kOld = testing::Lines({"screen s", "\t{", "\t}"});

struct FullDiskCase {
    const char* name;
    std::size_t failingStep;
    const char* failingEnding;  // ".new": every new content file; ".mrg": the merge file alone
    bool created;               // prog2.scf, which needs no merge file, is made
};

// Test names and messages show the row's own name.
void PrintTo(const FullDiskCase& row, std::ostream* out) { *out << row.name; }

const FullDiskCase kCases[] = {
    {"NoRoomForTheTemporary", 1, ".new", false},
    {"NoRoomForTheBytes", 2, ".new", false},
    {"FlushFails", 3, ".new", false},
    {"SyncFails", 4, ".new", false},
    {"RenameFails", 5, ".new", false},
    {"OnePageLeftForTheNewContentButNoneForTheMerge", 2, ".mrg", true},
};

class SweepFullDisk : public ::testing::TestWithParam<FullDiskCase> {};

// prog1 has an override file to merge into, prog2 has none.
TEST_P(SweepFullDisk, AFileNotWrittenWholeIsNeitherPutInPlaceNorCounted) {
    const FullDiskCase& row = GetParam();
    testsupport::ScratchDirectory scratch;
    const fs::path start = scratch.Path();
    WriteProgram(testing::TitledProgram("s", "Customer"), start / "prog1.op6");
    WriteProgram(testing::TitledProgram("s", "Customer"), start / "prog2.op6");
    std::ofstream(start / "prog1.scf", std::ios::binary) << kOld;

    Quiet console;
    FullDisk files(row.failingStep, row.failingEnding);
    const int status =
        RunSweep({"promptsweep", start.string(), "-R", "Customer", "Client", "-O", "1"}, console, files);

    EXPECT_EQ(status, 1);
    EXPECT_EQ(Read(start / "prog1.scf"), kOld);
    const std::string log = Read(start / "promptsweeplog.txt");
    std::vector<std::string> left{"prog1.op6", "prog1.scf", "prog2.op6", "promptsweeplog.txt", "scfconsole.tmp"};
    if (row.created) {
        left.insert(left.begin() + 3, "prog2.scf");
        EXPECT_NE(log.find("***Cannot create temporary Merge File: " + (start / "prog1.mrg").string() + "\n"),
                  std::string::npos);
        EXPECT_NE(log.find("#           Created/Updated 1 SCF Files\n"), std::string::npos);
    } else {
        for (const char* name : {"prog1.scf", "prog2.scf"}) {
            EXPECT_NE(log.find("***Cannot merge/create SCF File: " + (start / name).string() + "\n"),
                      std::string::npos)
                << name;
        }
        EXPECT_EQ(log.find("Created/Updated"), std::string::npos);
    }
    EXPECT_EQ(Names(start), left);  // no temporary stays behind
}

INSTANTIATE_TEST_SUITE_P(Steps, SweepFullDisk, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Records how the new content file is written before it becomes the
// override file.
class RecordingFiles : public FileOperations {
public:
    bool WriteWhole(const std::string& path, std::string_view content, bool synced) override {
        steps.push_back(fs::path(path).filename().string() + (synced ? " written and synced" : " written"));
        return FileOperations::WriteWhole(path, content, synced);
    }
    bool RenameNoReplace(const std::string& from, const std::string& to) override {
        steps.push_back(fs::path(from).filename().string() + " renamed to " + fs::path(to).filename().string());
        return FileOperations::RenameNoReplace(from, to);
    }
    std::vector<std::string> steps;
};

TEST(SweepNewOverrideFile, IsSyncedToTheDiskBeforeItIsRenamedIntoPlace) {
    testsupport::ScratchDirectory scratch;
    WriteProgram(testing::TitledProgram("s", "Customer"), scratch.Path() / "p.op6");
    Quiet console;
    RecordingFiles writing;
    EXPECT_EQ(RunSweep({"promptsweep", scratch.Path().string(), "-R", "Customer", "Client", "-O", "1"}, console,
                       writing),
              0);
    EXPECT_EQ(writing.steps, (std::vector<std::string>{"p.new written and synced", "p.new renamed to p.scf"}));
    EXPECT_NE(Read(scratch.Path() / "p.scf").find("title = \"Client\""), std::string::npos);

    // Report only: the transient new content file is not worth a sync.
    RecordingFiles reporting;
    fs::remove(scratch.Path() / "p.scf");
    RunSweep({"promptsweep", scratch.Path().string(), "-R", "Customer", "Client"}, console, reporting);
    EXPECT_EQ(reporting.steps, (std::vector<std::string>{"p.new written"}));
}

}  // namespace
}  // namespace promptsweep
