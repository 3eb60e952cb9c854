// An entry field's default against its compiled and user value lists.

#include <gtest/gtest.h>

#include "tessellar/commands/value_list_check.h"
#include "testsupport/case_name.h"

namespace commands {
namespace {

constexpr std::uint16_t kNumeric = 0x0800;
constexpr std::uint16_t kText = 0x000a;

struct DefaultCase {
    const char* why;
    std::uint16_t sizeWord;
    const char* allowed;     // compiled description, "" for none
    const char* disallowed;  // compiled description, "" for none
    int userSense;
    const char* userList;  // as the override statement holds it
    const char* defaultText;
    bool literal;
    const char* refusal;  // nullptr: the default is taken
};

const DefaultCase kDefaultCases[] = {
    {"a value of the allowed list", kText, "Allowed - A, B", "", 0, "", "B", true, nullptr},
    {"trailing blanks do not count for texts", kText, "Allowed - A, B", "", 0, "", "B  ", true, nullptr},
    {"outside the allowed list", kText, "Allowed - A, B", "", 0, "", "C", true, "Allowed - A, B"},
    {"text ranges are inclusive at both ends", kText, "Allowed - A -> C", "", 0, "", "C", true, nullptr},
    {"numbers within the tolerance are equal", kNumeric, "Allowed - 1 -> 5", "", 0, "", "5.00000001", true, nullptr},
    {"numbers beyond the tolerance are not", kNumeric, "Allowed - 1 -> 5", "", 0, "", "5.0000001", true,
     "Allowed - 1 -> 5"},
    {"numbers compare as numbers, not texts", kNumeric, "Allowed - 9 -> 10", "", 0, "", "9.5", true, nullptr},
    {"inside the disallowed list", kNumeric, "", "Disallowed - 0, 100 -> 200", 0, "", "150", false,
     "Disallowed - 0, 100 -> 200"},
    {"a field name is not checked", kText, "Allowed - A", "", 0, "", "CUST-CODE", false, nullptr},
    {"outside a user allowed list", kText, "", "", model::kUserListAllowed, "A,B#D", "E", true,
     "Sub Cust Allowed - A,B->D"},
    {"inside a user allowed range", kText, "", "", model::kUserListAllowed, "A,B#D", "C", true, nullptr},
    {"inside a user disallowed list", kNumeric, "", "", model::kUserListDisallowed, "7,8", "8", true,
     "Extra Cust Disallowed - 7,8"},
};

void PrintTo(const DefaultCase& c, std::ostream* os) { *os << c.why; }

class DefaultInLists : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(DefaultInLists, RefusesWithTheListsDescription) {
    const DefaultCase& c = GetParam();
    model::CAcceptFld field;
    field.sizeWord = c.sizeWord;
    field.allowed.SetBoth(c.allowed);
    field.disallowed.SetBoth(c.disallowed);
    field.userListSense = c.userSense;
    if (c.userSense == model::kUserListAllowed) field.allowed.SetCurrent(c.userList);
    if (c.userSense == model::kUserListDisallowed) field.disallowed.SetCurrent(c.userList);
    const Refusal refusal = CheckDefaultInLists(field, c.defaultText, c.literal);
    if (c.refusal == nullptr) {
        EXPECT_FALSE(refusal) << c.why << ": " << *refusal;
    } else {
        EXPECT_EQ(refusal.value_or("(taken)"), c.refusal) << c.why;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DefaultInLists, ::testing::ValuesIn(kDefaultCases), testsupport::ByWhy());

TEST(UserListDescription, IsCutBeforeItPassesItsLength) {
    const std::vector<ListValue> values(200, ListValue{"ABCDEFGHI", "ABCDEFGHI"});
    const std::string description = UserListDescription(model::kUserListAllowed, values);
    EXPECT_LE(description.size(), 1015u + 3u);
    EXPECT_EQ(description.substr(description.size() - 4), "I...");
}

}  // namespace
}  // namespace commands
