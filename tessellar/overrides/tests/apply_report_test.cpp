// What parsing and applying report about each line and statement when asked:
// the key read, the value refused or cut, the item reached, created or
// removed, the values applying refused. Asking must change nothing else: the
// same statements leave the same items and the same messages.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tessellar/overrides/apply_statement.h"
#include "tessellar/overrides/override_texts.h"
#include "tessellar/overrides/statement_parser.h"
#include "tessellar/overrides/tests/decoded_program.h"

namespace overrides {
namespace {

struct NoteRow {
    const char* line;
    const char* key;  // "" for none
    LineProblem problem;
    const char* detail;
};

// Each row a value the reader refuses or cuts, or one it takes as it is.
const std::vector<NoteRow> kNoteRows = {
    {"\tcoordinate = 4,22\n", "coordinate", LineProblem::None, ""},
    {"\tcoordinate = 300,5\n", "coordinate", LineProblem::OutOfRange, "300,5"},
    {"\twindow_size = 80\n", "window_size", LineProblem::NotAPair, "80"},
    {"\torig_coordinate = 4\n", "orig_coordinate", LineProblem::NotAPair, "4"},
    {"\tsuppress = yes\n", "suppress", LineProblem::NotABoolean, "yes"},
    {"\tsuppress = false\n", "suppress", LineProblem::None, ""},
    {"\tcolor = purpel/navy\n", "color", LineProblem::UnknownColour, "purpel/navy"},
    {"\tcolor = red/nvy\n", "color", LineProblem::UnknownBackground, "nvy"},
    {"\tcolor = red\n", "color", LineProblem::None, ""},
    {"\tattributes = bold, underline,italc\n", "attributes", LineProblem::UnknownAttribute, " underline|italc"},
    {"\tattributes = bold,underline // two\n", "attributes", LineProblem::None, ""},
    {"\ttrigger_point = before_acept\n", "trigger_point", LineProblem::UnknownWord, "before_acept"},
    {"\ttype = Command\n", "type", LineProblem::UnknownWord, "Command"},
    {"\torig_coordinates = 4,22\n", "", LineProblem::UnknownKey, "orig_coordinates"},
    {"\tacept\n", "", LineProblem::UnknownKey, "acept"},
    {"\t}\n", "", LineProblem::None, ""},
    {"\n", "", LineProblem::None, ""},
};

TEST(LineNotes, NameTheKeyAndWhatTheReaderRefused) {
    for (const NoteRow& row : kNoteRows) {
        OverrideStatement statement;
        LineNotes notes;
        ParseStatementLine(row.line, statement, notes);
        EXPECT_EQ(notes.key, row.key) << row.line;
        EXPECT_EQ(notes.problem, row.problem) << row.line;
        EXPECT_EQ(notes.detail, row.detail) << row.line;
    }
}

TEST(LineNotes, CutValuesTellTheirLengthAndWhatIsKept) {
    const std::pair<std::string, std::pair<std::size_t, std::size_t>> rows[] = {
        {"\ttext = \"" + std::string(90, 'x') + "\"\n", {90, 79}},
        {"\thelpline = \"" + std::string(120, 'h') + "\"\n", {120, 98}},
        {"\tfilter = " + std::string(430, 'f') + "\n", {430, 419}},
    };
    for (const auto& [line, sizes] : rows) {
        OverrideStatement statement;
        LineNotes notes;
        ParseStatementLine(line, statement, notes);
        EXPECT_EQ(notes.problem, LineProblem::Cut) << line;
        EXPECT_EQ(notes.length, sizes.first) << line;
        EXPECT_EQ(notes.capacity, sizes.second) << line;
    }
}

// The notes are only a report: a statement parsed with them is the statement parsed without.
TEST(LineNotes, LeaveTheStatementAsParsingWithoutThem) {
    const char* lines[] = {"accept\n",           "\ttag = 3\n",           "\tcoordinate = 999,2\n",
                           "\tcolor = red/nvy\n", "\tattributes = bold, x\n", "\tdefault = today\n"};
    OverrideStatement plain;
    OverrideStatement noted;
    LineNotes notes;
    for (const char* line : lines) {
        EXPECT_EQ(ParseStatementLine(line, plain), ParseStatementLine(line, noted, notes)) << line;
    }
    EXPECT_EQ(plain.identifier.tag, noted.identifier.tag);
    EXPECT_EQ(plain.overrides.coordinateGiven, noted.overrides.coordinateGiven);
    EXPECT_EQ(plain.overrides.colours.background, noted.overrides.colours.background);
    EXPECT_EQ(plain.overrides.attributes, noted.overrides.attributes);
    EXPECT_EQ(plain.overrides.defaultKind, noted.overrides.defaultKind);
}

constexpr const char* kProgram = R"opt(
global CODE size 8 type A
screen S {
  frame 2 1 20 78
  body {
    display 4 4 "Code:" attr 0x200
    accept 4 22 CODE tag 1
    box 3 2 17 77
    confirm 18 4 "Delete?" default N
    message "Saved"
  }
}
)opt";

class Recorder : public ApplyObserver {
public:
    void LineRead(std::string_view, const LineNotes& notes) override { keys.emplace_back(notes.key); }
    void StatementApplied(const OverrideStatement& statement, const StatementOutcome& outcome) override {
        if (statement.identifier.statementKind != StatementKind::None) outcomes.push_back(outcome);
    }
    std::vector<std::string> keys;
    std::vector<StatementOutcome> outcomes;
};

struct OutcomeRow {
    const char* name;
    const char* section;
    bool reached;
    bool created;
    bool removed;
    unsigned refused;
};

const std::vector<OutcomeRow> kOutcomeRows = {
    {"accept by tag", "accept\n\ttag = 1\n\tcoordinate = 5,22\n", true, false, false, 0},
    {"accept by a name it lost", "accept\n\tname = CODE\n", false, false, false, 0},
    {"display by text", "display\n\torig_text = \"Code:\"\n\tscale = 10\n", true, false, false, refused::kScale},
    {"added prompt", "display\n\ttext = \"New:\"\n\tcoordinate = 9,4\n\tadd = true\n", true, true, false, 0},
    {"added prompt taken away", "display\n\ttext = \"New:\"\n\tcoordinate = 9,4\n\tadd = true\n"
                                "display\n\ttext = \"New:\"\n\tcoordinate = 9,4\n\tadd = false\n", true, false, true, 0},
    {"box by both corners", "box\n\torig_coordinate = 3,2\n\tcoordinate = 17,77\n", true, false, false, 0},
    {"box by its top left alone", "box\n\torig_coordinate = 3,2\n", true, false, false, 0},
    {"box by a top left of none", "box\n\torig_coordinate = 4,2\n\ttitle = \"T\"\n", false, false, false, 0},
    {"confirm of another question", "confirm\n\tname = \"Quit?\"\n", true, true, false, 0},
    {"message of another text", "message\n\torig_text = \"Kept\"\n\ttext = \"Stored\"\n", false, false, false, 0},
    {"both value lists", "accept\n\ttag = 1\n\tallowed = \"A\"\n\tdisallowed = \"B\"\n", true, false, false,
     refused::kAllowedAndDisallowed},
    {"window of no cells", "window\n\twindow_size = 0,5\n", true, false, false, refused::kWindowSize},
    {"trigger of no point", "trigger\n\trun = x\n", false, false, false, refused::kNoTriggerPoint},
    {"screen trigger", "trigger\n\ttrigger_point = screen_load\n\trun = x\n", true, false, false, 0},
};

TEST(StatementOutcomes, TellWhatEachKindOfStatementReached) {
    const auto program = testing::DecodedProgram::FromDescription(kProgram);
    ASSERT_NE(program, nullptr);
    for (const OutcomeRow& row : kOutcomeRows) {
        model::CScreenModel& model = program->Entry("S");
        platform::RecordingMessageSink sink;
        Recorder recorder;
        std::istringstream in(row.section);
        ApplySectionStream(model, in, sink, recorder);
        ASSERT_FALSE(recorder.outcomes.empty()) << row.name;
        const StatementOutcome& last = recorder.outcomes.back();
        EXPECT_EQ(last.Reached(), row.reached) << row.name;
        EXPECT_EQ(last.created, row.created) << row.name;
        EXPECT_EQ(last.removed, row.removed) << row.name;
        EXPECT_EQ(last.refused, row.refused) << row.name;
    }
}

// The observer hears every line with its key, and applying says and does
// exactly what it does without one.
TEST(StatementOutcomes, ObservingChangesNeitherItemsNorMessages) {
    const auto program = testing::DecodedProgram::FromDescription(kProgram);
    ASSERT_NE(program, nullptr);
    const std::string section =
        "accept\n\ttag = 1\n\tallowed = \"A\"\n\tdisallowed = \"B\"\n\tcoordinate = 6,30\n"
        "message\n\torig_text = \"Kept\"\n\ttext = \"Stored\"\n";
    platform::RecordingMessageSink plainSink;
    model::CScreenModel& plain = program->Entry("S");
    testing::ApplyText(plain, section, plainSink);
    const model::CellPosition plainPosition = plain.Accepts().First()->position.Current();

    platform::RecordingMessageSink observedSink;
    model::CScreenModel& observed = program->Entry("S");
    Recorder recorder;
    std::istringstream in(section);
    ApplySectionStream(observed, in, observedSink, recorder);
    EXPECT_EQ(observed.Accepts().First()->position.Current(), plainPosition);
    EXPECT_EQ(observedSink.Messages(), plainSink.Messages());
    EXPECT_EQ(observedSink.Messages().size(), 3u);  // twice the conflict, once the message
    EXPECT_EQ(recorder.keys, (std::vector<std::string>{"accept", "tag", "allowed", "disallowed", "coordinate",
                                                       "message", "orig_text", "text"}));
}

}  // namespace
}  // namespace overrides
