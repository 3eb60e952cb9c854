// Undo and redo steps on the files themselves: a step swaps the work file
// and its snapshot by renaming, and falls back to copying when one of them
// is missing, leaving the files as a copy would. An undo point may be the
// work file itself under a second name, when the file is then replaced whole.

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/commands/undo_history.h"
#include "testsupport/scratch_directory.h"
#include "testsupport/case_name.h"

namespace commands {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Write(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::size_t CountFiles(const fs::path& directory) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(directory), fs::directory_iterator()));
}

struct StepCase {
    const char* why;
    bool workFileMissing;   // before the command
    bool snapshotLost;      // the undo snapshot deleted behind the history's back
    bool byName;            // the snapshot a second name for the work file, which is then replaced whole
    std::optional<std::string> afterUndo;
    std::optional<std::string> afterRedo;
};

// ctest lists a row with its value: print its reason, not its bytes.
[[maybe_unused]] void PrintTo(const StepCase& row, std::ostream* out) { *out << row.why; }

class UndoSwap : public ::testing::TestWithParam<StepCase> {};

TEST_P(UndoSwap, UndoAndRedoLeaveTheseWorkFiles) {
    const StepCase& step = GetParam();
    testsupport::ScratchDirectory scratch;
    const fs::path snapshots = scratch.Path() / "snapshots";
    fs::create_directory(snapshots);
    const fs::path work = scratch.Path() / "ZZZ_A.tmp";
    if (!step.workFileMissing) Write(work, "before\n");
    platform::RecordingMessageSink sink;
    UndoHistory history(snapshots.string());

    if (step.byName) {
        ASSERT_TRUE(history.RecordUndoPointByName(work.string(), "Label", sink));
        Write(scratch.Path() / "new", "after\n");
        fs::rename(scratch.Path() / "new", work);
    } else {
        ASSERT_TRUE(history.RecordUndoPoint(work.string(), "Label", false, sink));
        Write(work, "after\n");
    }
    if (step.snapshotLost) fs::remove(fs::directory_iterator(snapshots)->path());

    ASSERT_TRUE(history.UndoStep(work.string(), sink)) << step.why;
    EXPECT_EQ(Read(work), step.afterUndo) << step.why;
    EXPECT_EQ(history.RedoLabels(), std::vector<std::string>{"No. 1: Label"});
    EXPECT_EQ(CountFiles(snapshots), 1u) << step.why;

    ASSERT_TRUE(history.RedoStep(work.string(), sink)) << step.why;
    EXPECT_EQ(Read(work), step.afterRedo) << step.why;
    EXPECT_EQ(history.UndoLabels(), std::vector<std::string>{"No. 1: Label"});
    EXPECT_EQ(CountFiles(snapshots), 1u) << step.why;
    EXPECT_TRUE(sink.Messages().empty());

    history.Clear();
    EXPECT_EQ(CountFiles(snapshots), 0u) << step.why;
}

const StepCase kStepCases[] = {
    {"both files there: swapped by renaming", false, false, false, "before\n", "after\n"},
    {"no work file before the command: its snapshot is empty", true, false, false, "", "after\n"},
    {"a lost snapshot leaves the work file as it is", false, true, false, "after\n", "after\n"},
    {"a snapshot by name keeps the bytes of the file replaced", false, false, true, "before\n", "after\n"},
    {"no work file to name: the snapshot is made empty", true, false, true, "", "after\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, UndoSwap, ::testing::ValuesIn(kStepCases), testsupport::ByWhy());

}  // namespace
}  // namespace commands
