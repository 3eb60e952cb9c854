// Blocks that name their item by its text (or name) and its compiled
// coordinate together, as the batch tool writes them: they reach the item on
// which both agree whatever kind decoding gave it, else the last identifier
// line decides; and a command's in-place update finds such a block.

#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "tessellar/overrides/block_update.h"
#include "tessellar/overrides/tests/decoded_program.h"

namespace overrides {
namespace {

using testing::ApplyText;
using testing::DecodedProgram;

// "Customer code:" is known by its text, CODE by its tag, CUST-NAME by its
// name, the two "Total:" prompts by their coordinates.
constexpr const char* kProgram = R"opt(
global CODE size 8 type A
global CUST-NAME size 30 type A
global BALANCE size SD7.2 type N
screen CUST {
  frame 1 1 20 78
  body {
    display 4 4 "Customer code:"
    accept 4 22 CODE tag 1
    display 5 4 "Name:"
    accept 5 22 CUST-NAME
    display 6 4 "Total:"
    display 7 4 "Total:"
    display 8 22 var:BALANCE
  }
}
menu MAIN {
  body {
    option 5 10 "Customers"
  }
}
)opt";

struct PairCase {
    const char* name;
    const char* entry;
    const char* section;
    // What the test reads back after applying.
    std::function<std::string(model::CScreenModel&)> observed;
    const char* expected;
};

// ctest lists a row with its value: print its name, not its bytes.
[[maybe_unused]] void PrintTo(const PairCase& row, std::ostream* out) { *out << row.name; }

std::string DisplayText(model::CScreenModel& screen, int row) {
    const model::CDispText* found =
        screen.Displays().FindIf([row](const model::CDispText& item) { return item.compiled.row == row; });
    return found == nullptr ? "<none>" : found->text.Current();
}

std::string AcceptTitle(model::CScreenModel& screen, const char* name) {
    const model::CAcceptFld* found = screen.FindAcceptByName(name);
    return found == nullptr ? "<none>" : found->title.Current();
}

std::string BalanceTitle(model::CScreenModel& screen) {
    const model::CDispText* found = screen.FindDisplayByName("BALANCE");
    return found == nullptr ? "<none>" : found->columnTitle.Current();
}

std::string Texts(model::CScreenModel& screen) {
    std::string texts;
    for (const model::CDispText& item : screen.Displays()) texts += item.text.Current() + "|";
    return texts;
}

class TextAndCoordinate : public ::testing::TestWithParam<PairCase> {};

TEST_P(TextAndCoordinate, ReachTheItemBothName) {
    const PairCase& row = GetParam();
    const std::unique_ptr<DecodedProgram> program = DecodedProgram::FromDescription(kProgram);
    ASSERT_NE(program, nullptr);
    model::CScreenModel& entry = program->Entry(row.entry);
    platform::RecordingMessageSink sink;
    ApplyText(entry, row.section, sink);
    EXPECT_EQ(row.observed(entry), row.expected);
}

const PairCase kPairCases[] = {
    {"PromptKnownByItsText", "CUST",
     "display\n{\norig_text = \"Customer code:\"\norig_coordinate = 4,4\ntext = \"Client code:\"\n}\n",
     [](model::CScreenModel& s) { return DisplayText(s, 4); }, "Client code:"},
    {"CoordinateLineFirst", "CUST",
     "display\n{\norig_coordinate = 4,4\norig_text = \"Customer code:\"\ntext = \"Client code:\"\n}\n",
     [](model::CScreenModel& s) { return DisplayText(s, 4); }, "Client code:"},
    {"FieldKnownByItsName", "CUST",
     "accept\n{\nname = CUST-NAME\norig_coordinate = 5,22\ntitle = \"Client\"\n}\n",
     [](model::CScreenModel& s) { return AcceptTitle(s, "CUST-NAME"); }, "Client"},
    {"FieldKnownByItsTag", "CUST", "accept\n{\nname = CODE\norig_coordinate = 4,22\ntitle = \"Client\"\n}\n",
     [](model::CScreenModel& s) { return AcceptTitle(s, "CODE"); }, "Client"},
    {"DataDisplayKnownByItsName", "CUST",
     "display\n{\nname = BALANCE\norig_coordinate = 8,22\ntitle = \"Owed\"\n}\n", BalanceTitle, "Owed"},
    {"PromptKnownByItsCoordinate", "CUST",
     "display\n{\norig_text = \"Total:\"\norig_coordinate = 7,4\ntext = \"Sum:\"\n}\n", Texts,
     "Customer code:|Name:|Total:|Sum:|BALANCE|"},
    {"MenuOptionKnownByItsText", "MAIN",
     "option\n{\norig_text = \"Customers\"\norig_coordinate = 5,10\ntext = \"Clients\"\n}\n",
     [](model::CScreenModel& s) { return s.Options().Size() == 0 ? "<none>" : s.Options()[0].label.Current(); },
     "Clients"},
    // No item has both: the last line decides, as it always did.
    {"NoItemHasBothSoTheCoordinateDecides", "CUST",
     "display\n{\norig_text = \"Subtotal:\"\norig_coordinate = 6,4\ntext = \"Sum:\"\n}\n", Texts,
     "Customer code:|Name:|Sum:|Total:|BALANCE|"},
    {"NoItemHasBothSoTheTextDecides", "CUST",
     "display\n{\norig_coordinate = 9,9\norig_text = \"Name:\"\ntext = \"Called:\"\n}\n", Texts,
     "Customer code:|Called:|Total:|Total:|BALANCE|"},
    {"TextAtAnotherItemsPlaceReachesNothingByText", "CUST",
     "display\n{\norig_text = \"Customer code:\"\norig_coordinate = 5,4\ntext = \"Client code:\"\n}\n", Texts,
     "Customer code:|Name:|Total:|Total:|BALANCE|"},
};

INSTANTIATE_TEST_SUITE_P(Blocks, TextAndCoordinate, ::testing::ValuesIn(kPairCases),
                         [](const ::testing::TestParamInfo<PairCase>& info) { return info.param.name; });

// A command on a prompt the batch tool renamed changes that block, and a
// block of the customiser's own shape still meets its item alone.
TEST(TextAndCoordinateUpdate, ACommandUpdatesTheBatchToolsBlock) {
    const std::unique_ptr<DecodedProgram> program = DecodedProgram::FromDescription(kProgram);
    ASSERT_NE(program, nullptr);
    model::CScreenModel& screen = program->Entry("CUST");
    BlockTarget prompt;
    prompt.kind = StatementKind::Display;
    prompt.identifier.statementKind = StatementKind::Display;
    prompt.identifier.identificationKind = static_cast<int>(model::IdentificationKind::OriginalText);
    prompt.identifier.text = "Customer code:";

    const std::string batch =
        "display\n\t{\n\torig_text = \"Customer code:\"\n\torig_coordinate = 4,4\n\ttext = \"Client code:\"\n\t}\n";
    std::istringstream in(batch);
    std::ostringstream out;
    EXPECT_TRUE(UpdateBlockStream(screen, in, out, prompt, PropertySelector::Text, "\ttext = \"Client no:\"\n"));
    EXPECT_EQ(out.str(),
              "display\n\t{\n\torig_text = \"Customer code:\"\n\torig_coordinate = 4,4\n\ttext = \"Client no:\"\n\t}\n");

    // A block that means another prompt by its coordinate is left alone.
    const std::string other = "display\n\t{\n\torig_text = \"Customer code:\"\n\torig_coordinate = 5,4\n\t}\n";
    std::istringstream otherIn(other);
    std::ostringstream otherOut;
    EXPECT_FALSE(UpdateBlockStream(screen, otherIn, otherOut, prompt, PropertySelector::Text, "\ttext = \"X\"\n"));
    EXPECT_EQ(otherOut.str(), other);
}

}  // namespace
}  // namespace overrides
