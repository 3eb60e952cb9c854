// Writing section work files: the in-place update on damaged and unusual
// blocks, the save-time filter's flags and counts, and saving sections of
// one name but different kinds.

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/message_sink.h"
#include "tessellar/overrides/block_update.h"
#include "tessellar/overrides/override_saving.h"
#include "tessellar/overrides/override_workspace.h"
#include "tessellar/overrides/save_filter.h"
#include "testsupport/scratch_directory.h"
#include "testsupport/file_text.h"
#include "testsupport/case_name.h"

namespace overrides {
namespace {

std::string Filtered(const std::string& workFile, std::size_t* kept = nullptr) {
    std::istringstream in(workFile);
    std::ostringstream out;
    const std::size_t count = FilterSectionForSave(in, out);
    if (kept != nullptr) *kept = count;
    return out.str();
}

struct FilterCase {
    const char* why;
    const char* workFile;
    const char* saved;
};

// ctest lists a row with its value: print its reason, not its bytes.
[[maybe_unused]] void PrintTo(const FilterCase& row, std::ostream* out) { *out << row.why; }

class SaveFilterBlocks : public ::testing::TestWithParam<FilterCase> {};

TEST_P(SaveFilterBlocks, KeepOnlyBlocksThatChangeSomething) {
    EXPECT_EQ(Filtered(GetParam().workFile), GetParam().saved) << GetParam().why;
}

const FilterCase kFilterCases[] = {
    {"a display suppressed and shown again is only resets",
     "display\n\t{\n\tname = A\n\tsuppress = false\n\t}\n", ""},
    {"an accept's suppress = false is kept and counted",
     "accept\n\t{\n\tname = A\n\tsuppress = false\n\t}\n", "accept\n\t{\n\tname = A\n\tsuppress = false\n\t}\n"},
    {"an added prompt taken away again goes",
     "display\n\t{\n\ttext = \"P\"\n\tcoordinate = 2,2\n\tadd = false\n\t}\n", ""},
    {"an added box then suppressed goes",
     "box\n\t{\n\torig_coordinate = 1,1\n\tcoordinate = 5,5\n\tadd = true\n\tsuppress = true\n\t}\n", ""},
    {"readonly = false alone is a reset; the line is left out either way",
     "accept\n\t{\n\tname = A\n\treadonly = false\n\ttitle = \"T\"\n\t}\n", ""},
    {"a block without flags is kept even with nothing counted",
     "window\n\t{\n\ttitle = \"T\"\n\t}\n", "window\n\t{\n\ttitle = \"T\"\n\t}\n"},
    {"comments before a block go with it; lines after the last block are lost",
     "# mine\ndisplay\n\t{\n\tname = A\n\tsuppress = false\n\t}\n# kept\nmode\n\t{\n\tname = X\n\ttext = \"Y\"\n\t}\n# lost\n",
     "# kept\nmode\n\t{\n\tname = X\n\ttext = \"Y\"\n\t}\n"},
};

INSTANTIATE_TEST_SUITE_P(Flags, SaveFilterBlocks, ::testing::ValuesIn(kFilterCases), testsupport::ByWhy());

std::string Updated(const std::string& workFile, PropertySelector selector, const std::string& line,
                    bool* matched = nullptr) {
    model::CScreenModel model("A", 1, nullptr, 0, 0, model::ModelKind::Screen);
    BlockTarget window;
    window.kind = StatementKind::Window;
    std::istringstream in(workFile);
    std::ostringstream out;
    const bool found = UpdateBlockStream(model, in, out, window, selector, line);
    if (matched != nullptr) *matched = found;
    return out.str();
}

TEST(InPlaceUpdate, DamagedAndUnusualBlocksKeepEveryLine) {
    // A block longer than fifteen lines keeps all of them.
    std::string longBlock = "window\n\t{\n";
    for (int i = 0; i < 20; ++i) longBlock += "\t# note " + std::to_string(i) + "\n";
    EXPECT_EQ(Updated(longBlock + "\t}\n", PropertySelector::Title, "\ttitle = \"T\"\n"),
              longBlock + "\ttitle = \"T\"\n\t}\n");

    // A block that never closes gets the line at its end.
    bool matched = false;
    EXPECT_EQ(Updated("window\n\t{\n\ttitle = \"Old\"", PropertySelector::Default, "\tdefault = ADD\n", &matched),
              "window\n\t{\n\ttitle = \"Old\"\n\tdefault = ADD\n");
    EXPECT_TRUE(matched);

    // A matched block that never closes, ended by a block of its own kind:
    // that block keeps its keyword line where it was.
    EXPECT_EQ(Updated("window\n\t{\nwindow\n\t{\n\ttitle = \"2\"\n\t}\n# end\n", PropertySelector::Title,
                      "\ttitle = \"1\"\n", &matched),
              "window\n\t{\n\ttitle = \"1\"\nwindow\n\t{\n\ttitle = \"2\"\n\t}\n# end\n");
    EXPECT_TRUE(matched);

    // A 100,000-character line arrives in pieces and leaves in one.
    const std::string hugeLine = "\t#" + std::string(100000, 'x') + "\n";
    const std::string withHuge = "mode\n" + hugeLine + "window\n\t{\n\t}\n";
    EXPECT_EQ(Updated(withHuge, PropertySelector::Title, "\ttitle = \"T\"\n"),
              "mode\n" + hugeLine + "window\n\t{\n\ttitle = \"T\"\n\t}\n");

    // Nothing of the right kind: nothing matched, every byte copied.
    const std::string other = "display\n\t{\n\tname = A\n\t}\n";
    EXPECT_EQ(Updated(other, PropertySelector::Title, "\ttitle = \"T\"\n", &matched), other);
    EXPECT_FALSE(matched);
}

TEST(InPlaceUpdate, OnlyTheFirstMatchingBlockChanges) {
    const std::string twoWindows = "window\n\t{\n\ttitle = \"1\"\n\t}\nwindow\n\t{\n\ttitle = \"2\"\n\t}\n";
    EXPECT_EQ(Updated(twoWindows, PropertySelector::RemoveTitle, ""),
              "window\n\t{\n\t}\nwindow\n\t{\n\ttitle = \"2\"\n\t}\n");
}

using testsupport::ReadFile;

// A screen and a menu of one name once shared one work file, and saving
// lost the first section's statements.
TEST(OverrideSaving, ScreenAndMenuOfOneNameBothSurviveASave) {
    testsupport::ScratchDirectory scratch;
    const std::string text =
        "#ORVALE Screen Customiser File (Override statements only).\n"
        "screen MAIN\n\t{\n\twindow\n\t\t{\n\t\ttitle = \"Screen\"\n\t\t}\n\t}\n"
        "menu MAIN\n\t{\n\toption\n\t\t{\n\t\torig_text = \"Exit\"\n\t\ttext = \"Quit\"\n\t\t}\n\t}\n";
    const std::filesystem::path scf = scratch.Path() / "p.scf";
    std::ofstream(scf, std::ios::binary) << text;
    OverrideWorkspace workspace(scratch.Path().string());
    platform::RecordingMessageSink sink;
    ASSERT_EQ(workspace.Open(scf.string(), sink), OpenResult::Opened);
    ASSERT_TRUE(SaveOverrideFile(workspace.Sections(), workspace.WorkingCopyPath(), scf.string(), sink));
    EXPECT_EQ(ReadFile(scf), text);
    EXPECT_EQ(ReadFile(workspace.WorkingCopyPath()), text);
    EXPECT_TRUE(sink.Messages().empty());
}

TEST(OverrideSaving, AnUnwritableDirectoryKeepsTheOldFileAndSaysSo) {
    testsupport::ScratchDirectory scratch;
    const std::filesystem::path missing = scratch.Path() / "gone" / "p.scf";
    SectionList sections;
    platform::RecordingMessageSink sink;
    EXPECT_FALSE(SaveOverrideFile(sections, (scratch.Path() / "p.bck").string(), missing.string(), sink));
    ASSERT_EQ(sink.Messages().size(), 1u);
    EXPECT_EQ(sink.Messages()[0], "could not open screen customiser file --" + missing.string());
}

}  // namespace
}  // namespace overrides
