// The trigger points' parameter keys, the offered program types, the
// dialog's enabling rules and the one command issued after OK.

#include <gtest/gtest.h>

#include "tessellar/overrides/value_readers.h"
#include "tessellar/triggers/trigger_decision.h"
#include "tessellar/triggers/trigger_points.h"

namespace triggers {
namespace {

using model::TriggerPoint;

TEST(ParameterKeyTest, BuiltFromProgramScreenKindIdentificationAndSuffix) {
    struct Case {
        const char* program;
        TriggerItemKind kind;
        ItemIdentification id;
        const char* suffix;
        const char* key;
    };
    const Case cases[] = {
        {"C:\\apps\\ORDERS.op6", TriggerItemKind::Accept, {1, "cust_no", -1, -1, -1}, "before",
         "ORDERS\\main\\accept\\name\\cust_no\\before"},
        {"/srv/apps/orders.op6", TriggerItemKind::Display, {3, "", 7, -1, -1}, "display",
         "orders\\main\\display\\tag\\7\\display"},
        {"orders", TriggerItemKind::Option, {4, "", -1, 3, 12}, "excute",
         "orders\\main\\menu\\orig_coord\\3_12\\excute"},
        {"a.b.op6", TriggerItemKind::Mode, {6, "", -1, 0, 5}, "not_conf",
         "a.b\\main\\mode\\coordinate\\0_5\\not_conf"},
        {"orders.op6", TriggerItemKind::Mode, {2, "Add", -1, -1, -1}, "conf", "orders\\main\\mode\\conf"},
        {"orders.op6", TriggerItemKind::Screen, {}, "scr_load", "orders\\main\\window\\scr_load"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParameterKey(c.program, "main", c.kind, c.id, c.suffix), c.key) << c.program;
    }
}

// The commands read these words back: every keyword must be the override
// file's own word for its code.
TEST(TriggerTablesTest, KeywordsAreTheOverrideFilesWords) {
    for (TriggerItemKind kind : {TriggerItemKind::Display, TriggerItemKind::Accept, TriggerItemKind::Option,
                                 TriggerItemKind::Mode, TriggerItemKind::Screen}) {
        for (const TriggerPointEntry& entry : TriggerPointsOf(kind)) {
            EXPECT_EQ(overrides::TriggerPointWord(static_cast<int>(entry.point)), entry.keyword);
        }
    }
    for (const ProgramTypeEntry& type : ProgramTypes()) {
        EXPECT_EQ(overrides::TriggerTypeWord(type.code), type.word);
    }
}

TEST(ProgramTypesTest, ExportDataGridOnlyForConfirmOfAModeOnADataGridScreen) {
    struct Case {
        TriggerItemKind kind;
        TriggerPoint point;
        bool dataGrid;
        bool offered;
    };
    const Case cases[] = {
        {TriggerItemKind::Mode, TriggerPoint::Confirmed, true, true},
        {TriggerItemKind::Mode, TriggerPoint::Confirmed, false, false},
        {TriggerItemKind::Mode, TriggerPoint::BeforeConfirm, true, false},
        {TriggerItemKind::Screen, TriggerPoint::ScreenLoad, true, false},
    };
    for (const Case& c : cases) {
        const auto types = OfferedProgramTypes(c.kind, c.point, c.dataGrid);
        EXPECT_EQ(types.back().code == kExportDataGridCode, c.offered);
        EXPECT_EQ(types.size(), c.offered ? 6u : 5u);
    }
}

TEST(EnablingTest, FollowsSelectionProgramTypeAndExistingTrigger) {
    EXPECT_FALSE(EnablingFor({false, true, false, true}).editing);
    const DefinitionEnabling empty = EnablingFor({true, false, true, true});
    EXPECT_TRUE(empty.editing);
    EXPECT_FALSE(empty.verify || empty.ok || empty.validation || empty.remove);
    const DefinitionEnabling untyped = EnablingFor({true, true, false, false});
    EXPECT_TRUE(untyped.verify && untyped.ok && untyped.remove);
    EXPECT_FALSE(untyped.validation);
    EXPECT_TRUE(EnablingFor({true, false, false, true}).validation);
}

TEST(DecideAfterOkTest, AtMostOneCommandForTheSelectedPoint) {
    struct Case {
        TriggerItemKind kind;
        TriggerPoint point;
        bool hadTrigger;
        const char* stored;
        const char* line;
        int type;
        const char* name;  // null: nothing issued
        std::vector<std::string> values;
    };
    const Case cases[] = {
        {TriggerItemKind::Accept, TriggerPoint::AfterAccept, true, "\"x\" a", "", 0, "Remove accept trigger",
         {"after_accept"}},
        {TriggerItemKind::Accept, TriggerPoint::AfterAccept, false, "", "", 1, nullptr, {}},
        {TriggerItemKind::Display, TriggerPoint::Display, true, "\"x\" ", "", 0, "Remove display trigger", {}},
        {TriggerItemKind::Display, TriggerPoint::Display, false, "", "\"/p\" a", 1, "Modify display trigger",
         {"\"/p\" a", "1"}},
        {TriggerItemKind::Mode, TriggerPoint::Confirmed, true, "\"p\" ", "\"p\" ", 6, "Modify mode trigger",
         {"confirmed", "\"p\" ", "6"}},
        {TriggerItemKind::Option, TriggerPoint::Option, true, "\"p\" ", "\"p\" ", 0, nullptr, {}},
        {TriggerItemKind::Screen, TriggerPoint::ScreenExit, true, "\"p\" ", "\"q\" ", 0, "Modify screen trigger",
         {"screen_exit", "\"q\" ", "0"}},
        // A point the item kind does not have issues nothing.
        {TriggerItemKind::Option, TriggerPoint::Confirmed, false, "", "\"q\" ", 1, nullptr, {}},
    };
    for (const Case& c : cases) {
        const auto request = DecideAfterOk(c.kind, c.point, c.hadTrigger, c.stored, c.line, c.type);
        if (c.name == nullptr) {
            EXPECT_FALSE(request.has_value()) << c.line;
            continue;
        }
        ASSERT_TRUE(request.has_value()) << c.name;
        EXPECT_EQ(request->name, c.name);
        EXPECT_EQ(request->values, c.values) << c.name;
    }
}

}  // namespace
}  // namespace triggers
