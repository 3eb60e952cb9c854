// The held work file's block index against passes over the whole file:
// every sequence of block changes, run as one action on the held file, must
// leave the bytes and match the blocks that the same changes leave and
// match when each reads and replaces the work file on its own, whatever the
// text holds and however the model's items change in between.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/overrides/block_update.h"
#include "tessellar/overrides/held_work_file.h"
#include "tessellar/overrides/tests/decoded_program.h"
#include "testsupport/case_name.h"
#include "testsupport/file_text.h"
#include "testsupport/scratch_directory.h"

namespace overrides {
namespace {

using model::IdentificationKind;
using testing::DecodedProgram;
using namespace std::string_literals;

// CODE is known by its tag, CUST-NAME by its name, "Name:" by its text,
// the two "Total:" prompts by their coordinates.
constexpr const char* kProgram = R"opt(
global CODE size 8 type A
global CUST-NAME size 30 type A
screen CUST {
  frame 1 1 20 78
  body {
    display 4 4 "Customer code:"
    accept 4 22 CODE tag 1
    display 5 4 "Name:"
    accept 5 22 CUST-NAME
    display 6 4 "Total:"
    display 7 4 "Total:"
  }
}
)opt";

// One change of the action; true when it matched a block (appends: when written).
using Step = std::function<bool(model::CScreenModel&, platform::MessageSink&)>;

BlockTarget Target(StatementKind kind, IdentificationKind identification, std::string text = {}, int row = -1,
                   int column = -1) {
    BlockTarget target;
    target.kind = kind;
    target.identifier.statementKind = kind;
    target.identifier.identificationKind = static_cast<int>(identification);
    target.identifier.text = std::move(text);
    target.identifier.row = row;
    target.identifier.column = column;
    return target;
}
BlockTarget Field(std::string name) { return Target(StatementKind::Accept, IdentificationKind::Name, std::move(name)); }
BlockTarget Tagged(int tag) {
    BlockTarget target = Target(StatementKind::Accept, IdentificationKind::Tag);
    target.identifier.tag = tag;
    return target;
}
BlockTarget Label(std::string text) {
    return Target(StatementKind::Display, IdentificationKind::OriginalText, std::move(text));
}
BlockTarget NamedDisplay(std::string name) {
    return Target(StatementKind::Display, IdentificationKind::Name, std::move(name));
}
BlockTarget AddedPrompt(std::string text, int row, int column) {
    return Target(StatementKind::Display, IdentificationKind::AddedPrompt, std::move(text), row, column);
}
BlockTarget TriggerOf(BlockTarget item, int point) {
    item.kind = StatementKind::Trigger;
    item.triggerPoint = point;
    return item;
}
BlockTarget Window() { return Target(StatementKind::Window, IdentificationKind::None); }

Step Update(BlockTarget target, PropertySelector selector, std::string line) {
    return [=](model::CScreenModel& model, platform::MessageSink& sink) {
        return UpdateBlockInPlace(model, target, selector, line, sink);
    };
}
Step Remove(BlockTarget target) {
    return [=](model::CScreenModel& model, platform::MessageSink& sink) { return RemoveBlock(model, target, sink); };
}
Step Append(StatementKind kind, std::vector<std::string> lines) {
    return [=](model::CScreenModel& model, platform::MessageSink&) {
        return AppendBlock(model.OverridePath(), kind, lines);
    };
}
// A display that decoding did not give, named by its name, as one added to the model mid-action.
Step AddDisplay(std::string name, int row, int column) {
    return [=](model::CScreenModel& model, platform::MessageSink&) {
        model::CDispText& display = model.AddDisplay();
        display.identification = IdentificationKind::Name;
        display.SetName(name);
        display.compiled = {row, column};
        return true;
    };
}
Step DropDisplay(std::string name) {
    return [=](model::CScreenModel& model, platform::MessageSink&) {
        return model.Displays().Remove(model.FindDisplayByName(name));
    };
}
// A change of the text itself, as a fix of one line makes it: on the held
// text when there is one, else on the file.
Step ReplaceText(std::string old, std::string replacement) {
    return [=](model::CScreenModel& model, platform::MessageSink&) {
        std::string* held = HeldWorkFile::Find(model.OverridePath());
        std::string text = held != nullptr ? *held : testsupport::ReadFile(model.OverridePath());
        const std::size_t at = text.find(old);
        if (at == std::string::npos) return false;
        text.replace(at, old.size(), replacement);
        if (held != nullptr) {
            *held = text;
        } else {
            std::ofstream(model.OverridePath(), std::ios::binary | std::ios::trunc) << text;
        }
        return true;
    };
}

struct IndexCase {
    const char* why;
    std::string workFile;
    std::vector<Step> steps;
};

// ctest lists a row with its value: print its reason, not its bytes.
[[maybe_unused]] void PrintTo(const IndexCase& row, std::ostream* out) { *out << row.why; }

std::string Line(const std::string& key, const std::string& value) { return "\t" + key + " = " + value + "\n"; }

// A line the reader takes in two reads: its second part reads as a keyword line.
const std::string kSplitLine = "\t#" + std::string(508, 'x') + "display\n";

const IndexCase kIndexCases[] = {
    {"the first of two blocks of an item takes every change",
     "accept\n\t{\n\tname = CUST-NAME\n\t}\naccept\n\t{\n\tname = CUST-NAME\n\ttitle = \"Second\"\n\t}\n",
     {Update(Field("CUST-NAME"), PropertySelector::Title, Line("title", "\"A\"")),
      Update(Field("CUST-NAME"), PropertySelector::Title, Line("title", "\"B\"")),
      Update(Field("CUST-NAME"), PropertySelector::Helpline, Line("helpline", "\"H\"")),
      Update(Field("CODE"), PropertySelector::Title, Line("title", "\"none\""))}},
    {"blocks that spell one item differently meet it, the first in the text first",
     "accept\n\t{\n\tname = CODE\n\t}\naccept\n\t{\n\ttag = 1\n\t}\n"
     "display\n\t{\n\torig_text = \"Total:\"\n\torig_coordinate = 7,4\n\t}\n"
     "display\n\t{\n\torig_coordinate = 7,4\n\t}\n",
     {Update(Tagged(1), PropertySelector::Title, Line("title", "\"Code\"")),
      Update(Target(StatementKind::Display, IdentificationKind::OriginalCoordinate, {}, 7, 4),
             PropertySelector::Text, Line("text", "\"Sum:\"")),
      Update(Target(StatementKind::Display, IdentificationKind::OriginalCoordinate, {}, 6, 4),
             PropertySelector::Text, Line("text", "\"First sum:\""))}},
    {"a removed block leaves the next block of its item to take the changes",
     "accept\n\t{\n\tname = CUST-NAME\n\ttitle = \"One\"\n\t}\n# between\n"
     "accept\n\t{\n\tname = CUST-NAME\n\ttitle = \"Two\"\n\t}\n",
     {Remove(Field("CUST-NAME")), Update(Field("CUST-NAME"), PropertySelector::Title, Line("title", "\"Three\"")),
      Remove(Field("CUST-NAME")), Remove(Field("CUST-NAME")),
      Update(Field("CUST-NAME"), PropertySelector::Title, Line("title", "\"Gone\""))}},
    {"an appended prompt moved is found again at its new place",
     "display\n\t{\n\torig_text = \"Name:\"\n\ttext = \"Client:\"\n\t}\n",
     {Append(StatementKind::Display, {Line("text", "\"Hello\""), Line("coordinate", "20,5"), Line("add", "true")}),
      Update(AddedPrompt("Hello", 20, 5), PropertySelector::Coordinate, Line("coordinate", "21,6")),
      Update(AddedPrompt("Hello", 20, 5), PropertySelector::Text, Line("text", "\"Stale\"")),
      Update(AddedPrompt("Hello", 21, 6), PropertySelector::Text, Line("text", "\"Bye\"")),
      Update(Label("Name:"), PropertySelector::Text, Line("text", "\"Who:\""))}},
    {"blocks that never close end at the next keyword line and at the end of the text",
     "accept\n\t{\n\ttag = 1\naccept\n\t{\n\tname = CUST-NAME\n\ttitle = \"T\"",
     {Update(Field("CUST-NAME"), PropertySelector::Helpline, Line("helpline", "\"H\"")),
      Update(Tagged(1), PropertySelector::Title, Line("title", "\"C\"")),
      Update(Field("CUST-NAME"), PropertySelector::Title, Line("title", "\"U\"")),
      Append(StatementKind::Display, {Line("text", "\"P\""), Line("coordinate", "3,3"), Line("add", "true")}),
      Update(AddedPrompt("P", 3, 3), PropertySelector::Title, Line("title", "\"O\""))}},
    {"a block removed after one that never closed gives that one the lines after it",
     "accept\n{\nname = CUST-NAME\ndisplay\n{\norig_text = \"Name:\"\n}\n# note\ntitle = \"X\"\n",
     {Remove(Label("Name:")), Update(Field("CUST-NAME"), PropertySelector::Title, Line("title", "\"Y\"")),
      Update(Label("Name:"), PropertySelector::Text, Line("text", "\"Z\""))}},
    {"a closing line without its line end, changed, then a block appended after it",
     "# head\n\ndisplay\n\t{\n\torig_text = \"Name:\"\n\t}",
     {Update(Label("Name:"), PropertySelector::Text, Line("text", "\"N\"")),
      Update(Label("Name:"), PropertySelector::Text, Line("text", "\"M\"")),
      Append(StatementKind::Window, {Line("title", "\"W\"")}),
      Update(Window(), PropertySelector::Title, Line("title", "\"V\""))}},
    {"line ends and NULs are read away by the first change as a pass reads them",
     "accept\r\n\t{\r\n\ttag = 1\r\n\ttitle = \"A\"\r\n\t}\r\n\r\r\n"
     "display\n\t{\n\torig_text = \"Name:\"\n\ttext = \"x\0y\"\n\t}\n"s,
     {Update(Tagged(1), PropertySelector::Helpline, Line("helpline", "\"H\"")),
      Update(Label("Name:"), PropertySelector::Title, Line("title", "\"T\"")),
      Update(Tagged(1), PropertySelector::Title, Line("title", "\"B\""))}},
    {"a carriage return inside a line stays through every change",
     "accept\n\t{\n\ttag = 1\n\ttitle = \"A\"\n\t}\n# lone\r here\n",
     {Update(Tagged(1), PropertySelector::Helpline, Line("helpline", "\"H\"")),
      Append(StatementKind::Accept, {Line("name", "CUST-NAME")}),
      Update(Field("CUST-NAME"), PropertySelector::Title, Line("title", "\"B\""))}},
    {"a line longer than the reader takes is two lines, the second a keyword line",
     "accept\n\t{\n\ttag = 1\n" + kSplitLine + "\t{\n\torig_text = \"Name:\"\n\t}\n"
     "accept\n\t{\n\tname = CUST-NAME\n\thelpline = \"" + std::string(600, 'h') + "\"\n\t}\n",
     {Update(Label("Name:"), PropertySelector::Text, Line("text", "\"N\"")),
      Update(Tagged(1), PropertySelector::Title, Line("title", "\"C\"")),
      Update(Field("CUST-NAME"), PropertySelector::Helpline, Line("helpline", "\"short\"")),
      Update(Tagged(1), PropertySelector::Helpline, Line("helpline", "\"H\""))}},
    {"a display's trigger block is found by the display's look-up, not by its spelling",
     "trigger\n\t{\n\ttrigger_point = display\n\torig_coordinate = 6,4\n\trun = a\n\t}\n"
     "trigger\n\t{\n\ttrigger_point = display\n\torig_text = \"Name:\"\n\trun = b\n\t}\n"
     "trigger\n\t{\n\ttrigger_point = after_accept\n\ttag = 1\n\trun = c\n\t}\n",
     {Update(TriggerOf(Label("Name:"), 18), PropertySelector::Run, Line("run", "d")),
      Update(TriggerOf(Label("Name:"), 18), PropertySelector::TriggerCoordinate, Line("coordinate", "9,9")),
      Update(TriggerOf(Tagged(1), 13), PropertySelector::Run, Line("run", "e")),
      Remove(TriggerOf(Target(StatementKind::Display, IdentificationKind::OriginalCoordinate, {}, 6, 4), 18)),
      Update(TriggerOf(Label("Name:"), 6), PropertySelector::Run, Line("run", "never"))}},
    {"the removing selectors drop a block holding only the removed line",
     "window\n\t{\n\tdefault = FIND\n\t}\naccept\n\t{\n\tname = CUST-NAME\n\tfilter = =,A\n\t}\n"
     "accept\n\t{\n\tname = CUST-NAME\n\tfilter = =,B\n\ttitle = \"T\"\n\t}\n",
     {Update(Window(), PropertySelector::RemoveDefaultMode, {}),
      Update(Field("CUST-NAME"), PropertySelector::RemoveFilter, {}),
      Update(Field("CUST-NAME"), PropertySelector::RemoveFilter, {}),
      Update(Window(), PropertySelector::Title, Line("title", "\"New\""))}},
    {"a display added to the model mid-action is met by the first block that names it",
     "display\n\t{\n\torig_coordinate = 9,9\n\t}\ndisplay\n\t{\n\tname = NEWD\n\torig_coordinate = 9,9\n\t}\n"
     "display\n\t{\n\tname = NEWD\n\t}\n",
     {Update(NamedDisplay("NEWD"), PropertySelector::Text, Line("text", "\"before\"")), AddDisplay("NEWD", 9, 9),
      Update(NamedDisplay("NEWD"), PropertySelector::Text, Line("text", "\"after\"")), DropDisplay("NEWD"),
      Update(NamedDisplay("NEWD"), PropertySelector::Title, Line("title", "\"gone again\"")),
      AddDisplay("NEWD", 20, 20), Update(NamedDisplay("NEWD"), PropertySelector::Title, Line("title", "\"back\""))}},
    {"a change of the held text itself is seen by the changes after it",
     "accept\n\t{\n\tname = CODE\n\ttitle = \"A\"\n\t}\naccept\n\t{\n\tname = CUST-NAME\n\t}\n",
     {Update(Field("CUST-NAME"), PropertySelector::Title, Line("title", "\"N\"")),
      ReplaceText("name = CODE", "name = CUST-NAME"),
      Update(Field("CUST-NAME"), PropertySelector::Title, Line("title", "\"M\"")),
      Update(Field("CODE"), PropertySelector::Title, Line("title", "\"C\""))}},
    {"an empty work file takes appended blocks and their changes",
     "",
     {Update(Field("CUST-NAME"), PropertySelector::Title, Line("title", "\"none\"")),
      Append(StatementKind::Accept, {Line("name", "CUST-NAME"), Line("title", "\"A\"")}),
      Append(StatementKind::Accept, {Line("name", "CUST-NAME"), Line("title", "\"B\"")}),
      Update(Field("CUST-NAME"), PropertySelector::Title, Line("title", "\"C\"")), Remove(Field("CUST-NAME")),
      Update(Field("CUST-NAME"), PropertySelector::Title, Line("title", "\"D\""))}},
};

class HeldBlockIndex : public ::testing::TestWithParam<IndexCase> {
protected:
    struct Outcome {
        std::string text;
        std::vector<bool> matched;
    };

    // The steps on a fresh decoding of the screen, its work file holding the row's text.
    Outcome RunSteps(const std::string& name, bool held) {
        model::CScreenModel& screen = program_->Entry("CUST");
        const std::string path = (scratch_.Path() / (name + ".scf")).string();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << GetParam().workFile;
        screen.SetOverridePath(path);
        Outcome outcome;
        {
            std::unique_ptr<HeldWorkFile> action = held ? std::make_unique<HeldWorkFile>(path) : nullptr;
            for (const Step& step : GetParam().steps) outcome.matched.push_back(step(screen, sink_));
            if (action) {
                EXPECT_TRUE(action->Write(sink_));
            }
        }
        outcome.text = testsupport::ReadFile(path);
        return outcome;
    }

    std::unique_ptr<DecodedProgram> program_ = DecodedProgram::FromDescription(kProgram);
    testsupport::ScratchDirectory scratch_;
    platform::RecordingMessageSink sink_;
};

TEST_P(HeldBlockIndex, OneActionLeavesWhatSingleChangesLeave) {
    ASSERT_NE(program_, nullptr);
    const Outcome single = RunSteps("single", false);
    const Outcome action = RunSteps("action", true);
    EXPECT_EQ(action.matched, single.matched) << GetParam().why;
    EXPECT_EQ(action.text, single.text) << GetParam().why;
    EXPECT_NE(single.text, GetParam().workFile) << "the steps changed nothing";
    EXPECT_TRUE(sink_.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, HeldBlockIndex, ::testing::ValuesIn(kIndexCases), testsupport::ByWhy());

}  // namespace
}  // namespace overrides
