// Finishing a program with a file system that fails one chosen operation:
// whatever fails, the user's override file is either the old one or the
// merged one, never lost, and the run log says what happened.

#include "promptsweep/program_output.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "promptsweep/tests/expected_texts.h"
#include "testsupport/scratch_directory.h"

namespace promptsweep {
namespace {

namespace fs = std::filesystem;

enum class Operation { ReadNew, CreateMerge, WriteMerge, Remove, Rename, Replace };

class FailingFiles : public FileOperations {
public:
    explicit FailingFiles(Operation failing) : failing_(failing) {}
    std::optional<std::string> ReadWhole(const std::string& path) override {
        if (failing_ == Operation::ReadNew && path.ends_with(".new")) return std::nullopt;
        return FileOperations::ReadWhole(path);
    }
    bool CreateEmpty(const std::string& path) override {
        return failing_ != Operation::CreateMerge && FileOperations::CreateEmpty(path);
    }
    bool WriteDurably(const std::string& path, std::string_view content) override {
        return failing_ != Operation::WriteMerge && FileOperations::WriteDurably(path, content);
    }
    bool Remove(const std::string& path) override {
        return failing_ != Operation::Remove && FileOperations::Remove(path);
    }
    bool RenameNoReplace(const std::string& from, const std::string& to) override {
        return failing_ != Operation::Rename && FileOperations::RenameNoReplace(from, to);
    }
    bool ReplaceAtomically(const std::string& from, const std::string& to) override {
        return failing_ != Operation::Replace && FileOperations::ReplaceAtomically(from, to);
    }

private:
    Operation failing_;
};

class Recorder : public platform::MessageSink {
public:
    void ShowMessage(std::string_view) override {}
    void WriteOutput(std::string_view) override {}
};

struct Finished {
    bool counted;
    std::string log;
};

const std::string kOld = testing::Lines({"screen s", "\t{", "\t}"});

// Writes one window item for screen s through a ProgramOutput and finishes.
Finished WriteAndFinish(const fs::path& directory, FileOperations& files, int mode = 1) {
    RunSettings settings;
    settings.pairs = {{"Customer", "Client"}};
    settings.outputMode = mode;
    Recorder console;
    RunOutput output(console);
    const std::string log = (directory / "log.txt").string();
    output.OpenLog(log);
    bool counted;
    {
        ProgramOutput program(settings, output, files, "/p/x.op6", ProgramFilesIn(directory.string(), "x.op6"));
        program.EnsureNewContent();
        program.HandOver({.kind = kScreenTitle, .section = "screen s", .name = "window title", .text = "Customer",
                          .previous = "", .coordinate = ""});
        program.EndEntry();
        counted = program.Finish();
    }
    output.Close();
    std::ifstream in(log);
    return {counted, std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())};
}

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::string kMerged = kOld.substr(0, kOld.size() - 3) +
                            testing::Lines({"\twindow", "\t\t{", "\t\ttitle = \"Client\"", "\t\t}", "\t}"});

TEST(SweepProgramOutput, AFailedReplaceKeepsTheOldFileAndLeavesTheMergedOneBesideIt) {
    testsupport::ScratchDirectory scratch;
    std::ofstream(scratch.Path() / "x.scf") << kOld;
    FailingFiles files(Operation::Replace);
    const Finished finished = WriteAndFinish(scratch.Path(), files);
    EXPECT_TRUE(finished.counted);
    EXPECT_EQ(Read(scratch.Path() / "x.scf"), kOld);
    EXPECT_EQ(Read(scratch.Path() / "x.mrg"), kMerged);
    const std::string scf = (scratch.Path() / "x.scf").string();
    const std::string mrg = (scratch.Path() / "x.mrg").string();
    EXPECT_NE(finished.log.find("***Cannot rename " + scf + " to *NEW* " + mrg + "\n"), std::string::npos);
}

TEST(SweepProgramOutput, EveryFailureLeavesTheOverrideFileOldOrMerged) {
    struct Row {
        Operation failing;
        std::string message;  // the override file stays the old one
    };
    for (const Row& row : {Row{Operation::ReadNew, "***Cannot open new temp SCF File: "},
                           Row{Operation::CreateMerge, "***Cannot create temporary Merge File: "},
                           Row{Operation::WriteMerge, "***Cannot create temporary Merge File: "},
                           Row{Operation::Replace, "***Cannot rename "}}) {
        testsupport::ScratchDirectory scratch;
        std::ofstream(scratch.Path() / "x.scf") << kOld;
        FailingFiles files(row.failing);
        const Finished finished = WriteAndFinish(scratch.Path(), files);
        EXPECT_EQ(Read(scratch.Path() / "x.scf"), kOld) << row.message;
        EXPECT_NE(finished.log.find(row.message), std::string::npos) << row.message;
    }
    // A temporary that cannot be removed stays; the merge itself succeeded.
    testsupport::ScratchDirectory scratch;
    std::ofstream(scratch.Path() / "x.scf") << kOld;
    FailingFiles files(Operation::Remove);
    const Finished finished = WriteAndFinish(scratch.Path(), files);
    EXPECT_EQ(Read(scratch.Path() / "x.scf"), kMerged);
    EXPECT_NE(finished.log.find("***Cannot remove tmp file: " + (scratch.Path() / "x.new").string() + "\n"),
              std::string::npos);
}

TEST(SweepProgramOutput, CreationFailuresKeepTheNewContentFile) {
    testsupport::ScratchDirectory scratch;
    FailingFiles rename(Operation::Rename);
    Finished finished = WriteAndFinish(scratch.Path(), rename);
    EXPECT_TRUE(finished.counted);
    EXPECT_FALSE(fs::exists(scratch.Path() / "x.scf"));
    EXPECT_TRUE(fs::exists(scratch.Path() / "x.new"));
    EXPECT_NE(finished.log.find("***Cannot merge/create SCF File: " + (scratch.Path() / "x.scf").string() + "\n"),
              std::string::npos);

    FailingFiles read(Operation::ReadNew);
    finished = WriteAndFinish(scratch.Path(), read);
    EXPECT_FALSE(finished.counted);
    EXPECT_EQ(finished.log.substr(finished.log.rfind("***")),
              "*** Cannot append " + (scratch.Path() / "x.new").string() + " to promptsweeplog.txt\n");

    FailingFiles remove(Operation::Remove);
    finished = WriteAndFinish(scratch.Path(), remove, 0);
    EXPECT_NE(finished.log.find("***Cannot remove tmp file: " + (scratch.Path() / "x.new").string() + "\n"),
              std::string::npos);
}

}  // namespace
}  // namespace promptsweep
