// The trigger test's rows, launch text, saved values and failure texts.

#include <gtest/gtest.h>

#include "tessellar/settings/memory_registry.h"
#include "tessellar/triggers/trigger_test.h"

namespace triggers {
namespace {

const auto kUser = settings::RegistryRoot::CurrentUser;

TEST(TriggerTestRows, LiteralAndFieldsWithSavedValues) {
    settings::MemoryRegistry registry;
    registry.WriteString(kUser, TestValuesKey("P1"), "CUST", "42");
    registry.WriteString(kUser, TestValuesKey("P1"), "\"a b\"", "ignored");
    auto rows = TestRows(registry, "\"a b\" CUST NAME", "P1");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_TRUE(rows[0].literal);
    EXPECT_EQ(rows[0].token, "\"a b\"");
    EXPECT_EQ(rows[1].value, "42");
    EXPECT_EQ(rows[2].value, "");
    EXPECT_EQ(LaunchValues(rows), "a b|42|");
}

TEST(TriggerTestRows, ElevenTokensGiveTen) {
    settings::MemoryRegistry registry;
    auto rows = TestRows(registry, "A B C D E F G H I J K", "P");
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows.back().token, "J");
    EXPECT_TRUE(TestRows(registry, "", "P").empty());
}

TEST(TriggerTestRows, LaunchValuesUnquoteAndJoin) {
    std::vector<TestRow> rows{{"A", "1"}, {"B", ""}, {"C", "3"}};
    EXPECT_EQ(LaunchValues(rows), "1||3");
    rows = {{"'x y' z", "", true}, {"F", "\"q\"r"}};
    EXPECT_EQ(LaunchValues(rows), "x y|q");
}

TEST(TriggerTestRows, TypeLetters) {
    const std::pair<int, const char*> table[] = {{0, "S"}, {1, "C"}, {2, "S"}, {3, "C"},
                                                 {4, "P"}, {5, ""},  {-1, ""}};
    for (auto [index, letter] : table) EXPECT_EQ(ProgramTypeLetter(index), letter) << index;
}

TEST(TriggerTestSave, ReplacesTheSubKeyWithNonEmptyFieldValues) {
    settings::MemoryRegistry registry;
    registry.WriteString(kUser, TestValuesKey("P"), "OLD", "x");
    std::string error;
    ASSERT_TRUE(SaveTestValues(registry, "P", {{"\"lit\"", "v", true}, {"A", "1"}, {"B", ""}}, &error));
    auto values = registry.EnumerateValues(kUser, TestValuesKey("P"));
    ASSERT_TRUE(values);
    ASSERT_EQ(values->size(), 1u);
    EXPECT_EQ((*values)[0].name, "A");

    ASSERT_TRUE(SaveTestValues(registry, "P", {{"A", ""}, {"B", ""}}, &error));
    EXPECT_FALSE(registry.EnumerateValues(kUser, TestValuesKey("P")));
}

TEST(TriggerTestSave, FailureGivesTheRegistryText) {
    settings::MemoryRegistry registry;
    registry.FailWritesUnder(kUser, "Access is denied.");
    std::string error;
    EXPECT_FALSE(SaveTestValues(registry, "P", {{"A", "1"}}, &error));
    EXPECT_EQ(error, "Access is denied.");
}

TEST(TriggerTestFailure, Texts) {
    struct Row { LaunchFailure failure; std::int64_t code; const char* system; const char* expected; };
    const Row table[] = {
        {LaunchFailure::Automation, 0x80040200, "", "Unknown error 0x80040200"},
        {LaunchFailure::Automation, 0x80040201, "", "IDispatch error #1"},
        {LaunchFailure::Automation, 0x8004FFFF, "", "IDispatch error #65023"},
        {LaunchFailure::Automation, 0x80050000, "", "Unknown error 0x80050000"},
        {LaunchFailure::Automation, 0x80070005, "Access is denied.\r\n", "Access is denied."},
        {LaunchFailure::Miscellaneous, 0, "", "The trigger could not be tested because of this miscellaneous Error:"},
        {LaunchFailure::NotCreated, 0, "", "The trigger could not be tested because the runtime's automation server is not available."},
        {LaunchFailure::None, 0, "", ""},
    };
    for (const Row& row : table) {
        LaunchOutcome outcome;
        outcome.failure = row.failure;
        outcome.code = row.code;
        outcome.systemText = row.system;
        EXPECT_EQ(LaunchFailureText(outcome), row.expected) << row.code;
    }
    LaunchOutcome thrown;
    thrown.failure = LaunchFailure::Exception;
    thrown.exceptionText = "bad";
    EXPECT_EQ(LaunchFailureText(thrown), "The trigger could not be tested because of this error:bad");
}

}  // namespace
}  // namespace triggers
