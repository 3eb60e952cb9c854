#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/mapping/path_mapper.h"
#include "tessellar/settings/memory_registry.h"
#include "tessellar/triggers/parameter_list.h"
#include "tessellar/triggers/program_path.h"
#include "tessellar/triggers/wizard_steps.h"

namespace triggers {
namespace {

TEST(ParameterListTest, LiteralsKeepOnePairOfQuotes) {
    struct Case { const char* typed; const char* stored; };
    for (const Case& c : {Case{"abc", "\"abc\""}, Case{"\"abc\"", "\"abc\""},
                          Case{"a b", "\"a b\""}, Case{"\"\"", ""}, Case{"", ""}}) {
        ParameterList list("");
        EXPECT_EQ(list.AddLiteral(c.typed), *c.stored != '\0') << c.typed;
        EXPECT_EQ(list.Entries(), *c.stored ? std::vector<std::string>{c.stored}
                                            : std::vector<std::string>{}) << c.typed;
    }
}

TEST(ParameterListTest, ButtonStatesFollowEntriesAndSelection) {
    struct Case { const char* line; int selected; ParameterButtons buttons; };
    for (const Case& c : {Case{"", -1, {false, false, false}},
                          Case{"ONE", 0, {true, false, false}},
                          Case{"ONE", -1, {true, false, false}},
                          Case{"A B C", -1, {false, false, false}},
                          Case{"A B C", 0, {true, false, true}},
                          Case{"A \"b c\" C", 1, {true, true, true}},
                          Case{"A B C", 2, {true, true, false}}}) {
        ParameterList list(c.line);
        list.Select(c.selected);
        EXPECT_EQ(list.Buttons(), c.buttons) << c.line << " / " << c.selected;
    }
}

TEST(ParameterListTest, MovesKeepTheEntrySelectedAndRemoveFollowsTheCaret) {
    ParameterList list("A \"b c\" C");
    list.Select(0);
    list.MoveUp();  // already first: nothing moves
    list.MoveDown();
    list.MoveDown();
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"\"b c\"", "C", "A"}));
    EXPECT_EQ(list.Selected(), 2);
    list.MoveDown();  // already last
    list.MoveUp();
    EXPECT_EQ(list.Selected(), 1);
    list.RemoveAt(0);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(list.Selected(), 0) << "the selected entry moved up one";
    list.RemoveAt(5);
    EXPECT_EQ(list.Entries().size(), 2u);
}

TEST(JoinParametersTest, StopsAtTheFirstEntryThatReachesTheLimit) {
    platform::RecordingMessageSink sink;
    const std::string full(410, 'x');
    EXPECT_EQ(JoinParameters({full, "ABCDEFG"}, "old", sink), full + " ABCDEFG")
        << "418 characters still fit";
    EXPECT_TRUE(sink.Messages().empty());

    EXPECT_EQ(JoinParameters({full, "ABCDEFGH", "Z"}, "old", sink), full);
    ASSERT_EQ(sink.Messages().size(), 1u);
    EXPECT_EQ(sink.Messages()[0],
              "All the params after(also include) this one 1--'ABCDEFGH' could not be written into "
              "scf file because the param line is too long now.");

    sink.Clear();
    EXPECT_EQ(JoinParameters({std::string(419, 'y')}, "old", sink), "old")
        << "an empty result keeps the line";
    EXPECT_EQ(sink.Messages().size(), 1u);
    EXPECT_EQ(JoinParameters({}, "old", sink), "old");
}

TEST(WizardStepsTest, RefusalsNameWhatIsMissing) {
    EXPECT_TRUE(ProgramTypeRefusal(0).has_value());
    EXPECT_TRUE(ProgramTypeRefusal(7).has_value());
    EXPECT_FALSE(ProgramTypeRefusal(6).has_value());
    EXPECT_EQ(ProgramRefusal("  ").value_or(""),
              "Please select program name before go to next page to add parameters");
    EXPECT_FALSE(ProgramRefusal("prog").has_value());
}

TEST(ProgramPathTest, ServerTypesAreMappedOthersKeptAsChosen) {
    settings::MemoryRegistry registry;
    int asked = 0;
    mapping::PathMapper mapper(registry, [&](const mapping::MappingRequest&, mapping::DirectoryMappings&) {
        ++asked;
        return std::optional<std::string>();
    });
    mapper.Shares().AddFromOption("srv progs=/usr/progs");
    struct Case { int type; const char* chosen; std::optional<std::string> result; };
    for (const Case& c : {Case{1, "\\\\srv\\progs\\sub\\a.op6", "/usr/progs/sub/a.op6"},
                          Case{3, "\\\\SRV\\progs\\b", "/usr/progs/b"},
                          Case{5, "\\\\srv\\progs\\c.op6", "/usr/progs/c.op6"},
                          Case{2, "C:\\x\\y.exe", "C:\\x\\y.exe"},
                          Case{4, "C:\\x y\\z.exe", "C:\\x y\\z.exe"},
                          Case{6, "\\\\srv\\progs\\d", "\\\\srv\\progs\\d"}}) {
        EXPECT_EQ(ServerFormOfProgram(c.chosen, c.type, mapper), c.result) << c.chosen;
    }
    EXPECT_EQ(asked, 0);
    // No mapping covers it: asked once, and the Cancel keeps the file as chosen
    // (it was once thrown away).
    EXPECT_EQ(ServerFormOfProgram("C:\\local\\e.op6", 5, mapper), "C:\\local\\e.op6");
    EXPECT_EQ(asked, 1);
}

}  // namespace
}  // namespace triggers
