// The entry field sheet's decisions without a window: the user value list,
// its statement text, the filter comparisons and the commands OK issues.

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "tessellar/commands/command_texts.h"
#include "tessellar/model/accept_field.h"
#include "tessellar/model/display_text.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/sheets/accept_sheet_plan.h"
#include "tessellar/sheets/accept_texts.h"
#include "tessellar/sheets/filter_comparison.h"
#include "tessellar/sheets/user_value_list.h"
#include "testsupport/case_name.h"

namespace sheets {
namespace {

using Result = UserValueList::AddResult;

struct AddCase {
    const char* why;
    bool numeric;
    std::vector<const char*> entries;
    std::vector<Result> results;
    std::vector<const char*> shown;
};

// ctest lists a row with its value: print its reason, not its bytes.
[[maybe_unused]] void PrintTo(const AddCase& row, std::ostream* out) { *out << row.why; }

class UserValueListAdds : public ::testing::TestWithParam<AddCase> {};

TEST_P(UserValueListAdds, KeepsEachEntryOnceWithinTheFieldLength) {
    const AddCase& c = GetParam();
    UserValueList list(4, c.numeric);
    std::vector<Result> results;
    for (const char* entry : c.entries) results.push_back(list.Add(std::string_view(entry)));
    EXPECT_EQ(results, c.results) << c.why;
    std::vector<std::string> shown;
    for (const commands::ListValue& value : list.Values()) shown.push_back(ListEntryText(value));
    EXPECT_EQ(shown, std::vector<std::string>(c.shown.begin(), c.shown.end())) << c.why;
}

const AddCase kAddCases[] = {
    {"an equal single value is not added twice", false, {"A", "B", "A"},
     {Result::Added, Result::Added, Result::AlreadyThere}, {"A", "B"}},
    {"ranges compare by both ends", false, {"1 to 5", "1 to 6", "1 to 5", "1"},
     {Result::Added, Result::Added, Result::AlreadyThere, Result::Added}, {"1 to 5", "1 to 6", "1"}},
    {"either end longer than the field is refused", false, {"ABCDE", "A to ABCDE", "ABCD"},
     {Result::TooLong, Result::TooLong, Result::Added}, {"ABCD"}},
    {"blanks around a value and an empty entry", false, {"  X ", "", "X"},
     {Result::Added, Result::Empty, Result::AlreadyThere}, {"X"}},
};

INSTANTIATE_TEST_SUITE_P(Entries, UserValueListAdds, ::testing::ValuesIn(kAddCases), testsupport::ByWhy());

TEST(UserValueList, NumericFieldsKeepBothEndsAsNumbersThroughRemoval) {
    UserValueList list(8, true);
    list.Add(std::string_view("1 to 5"));
    list.Add(std::string_view("7.5"));
    list.Add(std::string_view("-2"));
    list.Remove({1, 9, 1});
    ASSERT_EQ(list.Numbers().size(), 2u);
    EXPECT_DOUBLE_EQ(list.Numbers()[0].second, 5.0);
    EXPECT_DOUBLE_EQ(list.Numbers()[1].first, -2.0);
    EXPECT_EQ(ListEntryText(list.Values()[1]), "-2");
}

TEST(UserListText, JoinsRangesWithHashAndStopsBefore417Characters) {
    EXPECT_EQ(UserListText({{"A", "A"}, {"1", "9"}}), "A,1#9");
    // 41 entries of ten characters each take 41 * 10 + 40 = 450 characters.
    std::vector<commands::ListValue> values(41, {std::string(10, 'v'), std::string(10, 'v')});
    const std::string text = UserListText(values);
    EXPECT_EQ(text.size(), 38u * 10 + 37);  // 38 entries fill 417 exactly; the 39th is left out
    EXPECT_LE(text.size(), texts::kUserListTextLength);
}

TEST(FilterComparisons, EveryRowRoundTripsThroughTheStatementText) {
    ASSERT_EQ(FilterComparisons().size(), 14u);
    EXPECT_STREQ(FilterComparisons()[3].listText, "GREATER OR EQUAL TO");
    for (const FilterComparison& row : FilterComparisons()) {
        const FilterSetting setting{row.code, "A,B"};
        const std::vector<commands::CommandValue> values = FilterCommandValues(setting);
        ASSERT_EQ(values.size(), 2u);
        EXPECT_EQ(FilterOfText(values[0].text + "," + values[1].text), setting) << row.listText;
        // A negated comparison is its base code + 16.
        if (row.op[0] == '!') {
            EXPECT_GT(row.code, 16) << row.listText;
        }
    }
    EXPECT_EQ(FilterOfText("~,A"), FilterSetting{});
    EXPECT_TRUE(FilterCommandValues({}).empty());
}

// OK's plan, from a field with the program's allowed values A, H and S.
struct PlanCase {
    const char* why;
    void (*edit)(AcceptSheetEdits&);
    std::vector<std::string> steps;  // command names, or "!" + refusal
};

// ctest lists a row with its value: print its reason, not its bytes.
[[maybe_unused]] void PrintTo(const PlanCase& row, std::ostream* out) { *out << row.why; }

class AcceptSheetOk : public ::testing::TestWithParam<PlanCase> {};

TEST_P(AcceptSheetOk, IssuesCommandsInOrderWithItsRefusals) {
    model::CScreenModel screen("S", 1, nullptr, 0, 0, model::ModelKind::Screen);
    model::CAcceptFld& field = screen.AddAccept();
    field.SetName("CUST-STATUS");
    field.identification = model::IdentificationKind::Name;
    field.titled = true;
    field.title.SetBoth("Status");
    field.width.SetBoth(1);
    field.allowed.SetBoth("Allowed - A, H, S");
    const FieldTitleTarget title = TitleTargetOf(screen, field);
    AcceptSheetEdits edits = EditsOf(field, title);
    GetParam().edit(edits);

    std::vector<std::string> steps;
    for (const SheetAction& action : PlanAcceptSheet(field, title, edits)) {
        steps.push_back(action.command.empty() ? "!" + action.refusal : action.command);
    }
    EXPECT_EQ(steps, GetParam().steps) << GetParam().why;
}

namespace n = commands::texts;
const std::string kNoBlock = std::string("!") + n::kCouldNotBlock;
const std::string kNoHide = std::string("!") + n::kCouldNotHide;

const PlanCase kPlanCases[] = {
    {"nothing edited issues nothing", [](AcceptSheetEdits&) {}, {}},
    {"reset wins over every edit",
     [](AcceptSheetEdits& e) { e.resetRequested = true; e.help = "x"; e.suppress = true; },
     {n::kResetAccept}},
    {"a default outside the program's allowed list is refused with its description",
     [](AcceptSheetEdits& e) { e.defaultValue = "Q"; },
     {"!Allowed - A, H, S"}},
    {"a default outside the new user list is refused with the user list's description",
     [](AcceptSheetEdits& e) { e.userList = {{"A", "A"}}; e.defaultValue = "H"; },
     {n::kModifyAcceptAllowAndDisallow, "!Sub Cust Allowed - A"}},
    {"a disallowed user list refuses a default inside it",
     [](AcceptSheetEdits& e) {
         e.userList = {{"H", "S"}};
         e.userListSense = model::kUserListDisallowed;
         e.defaultValue = "S";
     },
     {n::kModifyAcceptAllowAndDisallow, "!Extra Cust Disallowed - H->S"}},
    {"read only and suppress take the default accepted before them, in the fixed order",
     [](AcceptSheetEdits& e) {
         e.defaultValue = "A";
         e.readOnly = e.suppress = true;
         e.help = "h";
         e.picture = "x(2)";
     },
     {n::kModifyAcceptHelp, n::kChangeAcceptDefault, n::kModifyAcceptPicture, n::kReadonlyAccept, n::kSuppressAccept}},
    {"a refused default leaves read only and suppress without one",
     [](AcceptSheetEdits& e) { e.defaultValue = "Q"; e.readOnly = true; e.suppress = true; },
     {"!Allowed - A, H, S", kNoBlock, kNoHide}},
    {"an emptied title or format issues nothing; a column page absent outside the review area",
     [](AcceptSheetEdits& e) { e.title = ""; e.picture = ""; e.columnNumber = "3"; e.filter = {1, "A"}; },
     {}},
    {"a new title of a titled field",
     [](AcceptSheetEdits& e) { e.title = "State"; },
     {n::kModifyAcceptTitle}},
    {"a field name default is not checked against the lists",
     [](AcceptSheetEdits& e) { e.defaultValue = "CUST-NO"; e.defaultSource = DefaultSource::Field; },
     {n::kChangeAcceptDefault}},
};

INSTANTIATE_TEST_SUITE_P(Edits, AcceptSheetOk, ::testing::ValuesIn(kPlanCases), testsupport::ByWhy());

TEST(AcceptSheetOk, UntitledFieldRetitlesThePromptBesideIt) {
    model::CScreenModel screen("S", 1, nullptr, 0, 0, model::ModelKind::Screen);
    model::CDispText& far = screen.AddDisplay();
    far.text.SetBoth("Far:");
    far.position.SetBoth({3, 1});
    model::CDispText& near = screen.AddDisplay();
    near.text.SetBoth("Code:");
    near.identification = model::IdentificationKind::OriginalText;
    near.position.SetBoth({3, 8});
    model::CAcceptFld& field = screen.AddAccept();
    field.identification = model::IdentificationKind::Name;
    field.SetName("CODE");
    field.position.SetBoth({3, 20});

    const FieldTitleTarget title = TitleTargetOf(screen, field);
    ASSERT_TRUE(title.promptBeside);
    EXPECT_EQ(title.text, "Code:");
    AcceptSheetEdits edits = EditsOf(field, title);
    edits.title = "Key:";
    const std::vector<SheetAction> plan = PlanAcceptSheet(field, title, edits);
    ASSERT_EQ(plan.size(), 1u);
    EXPECT_EQ(plan[0].command, n::kChangeDisplayText);
    EXPECT_EQ(plan[0].key.identifier.text, "Code:");
    EXPECT_TRUE(plan[0].values[0].quoted);
}

}  // namespace
}  // namespace sheets
