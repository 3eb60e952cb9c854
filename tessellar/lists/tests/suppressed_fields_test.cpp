// The suppressed field list's lines for every item kind and identification
// kind, the kind read back from each, and the commands a release issues.

#include <gtest/gtest.h>

#include "tessellar/lists/suppressed_fields.h"
#include "testsupport/demo_document.h"

namespace {

using commands::ItemClass;
using lists::SuppressedListUse;
using model::IdentificationKind;

class SuppressedFields : public ::testing::Test {
protected:
    SuppressedFields() : screen_("TEST", 1, nullptr, 0, 0, model::ModelKind::Screen) {}

    model::CDispText& Display(IdentificationKind kind, const char* text, int tag = 0) {
        model::CDispText& item = screen_.AddDisplay();
        item.identification = kind;
        item.SetName(text);
        item.text.SetBoth(text);
        item.tag = tag;
        item.compiled = {4, 9};
        item.position.SetBoth({3, 8});
        item.suppressed.SetCurrent(true);
        return item;
    }
    model::CAcceptFld& Accept(IdentificationKind kind, const char* name, bool hiddenByProgram, int tag = 0) {
        model::CAcceptFld& item = screen_.AddAccept();
        item.identification = kind;
        item.SetName(name);
        item.tag = tag;
        item.compiled = {6, 2};
        item.position.SetBoth({5, 1});
        item.suppressedInProgram = hiddenByProgram;
        item.suppressed.SetCurrent(true);
        return item;
    }

    model::CScreenModel screen_;
};

std::vector<std::string> Texts(const std::vector<lists::SuppressedLine>& lines) {
    std::vector<std::string> texts;
    for (const auto& line : lines) texts.push_back(line.text);
    return texts;
}

TEST_F(SuppressedFields, EveryLineFormInListOrderWithItsKindReadBack) {
    // Built out of list order: the lines still come displays, options, entry fields, modes, boxes.
    model::CBoxItem& box = screen_.AddBox();
    box.compiled = {2, 10, 8, 30};  // left, top, right, bottom
    box.corners.SetBoth({1, 9, 7, 29});
    box.suppressed.SetCurrent(true);
    model::CModeItem& byName = screen_.AddMode();
    byName.identification = IdentificationKind::Name;
    byName.SetIdentifier("DELETE");
    byName.label.SetBoth("Delete");
    byName.suppressed.SetCurrent(true);
    model::CModeItem& byText = screen_.AddMode();
    byText.identification = IdentificationKind::OriginalText;
    byText.label.SetBoth("Show (display)");  // another kind's mark inside the text
    byText.suppressed.SetCurrent(true);
    Accept(IdentificationKind::Name, "CUST-PHONE", false);
    Accept(IdentificationKind::OriginalCoordinate, "X", false);
    Accept(IdentificationKind::Tag, "Y", false, 7);
    Accept(IdentificationKind::Name, "HIDDEN", true);  // the program hides it: not in this use
    for (const auto& [kind, text] : std::vector<std::pair<IdentificationKind, const char*>>{
             {IdentificationKind::Name, "MENU-A"}, {IdentificationKind::OriginalText, "Reports"},
             {IdentificationKind::OriginalCoordinate, ""}, {IdentificationKind::None, ""}}) {
        model::COptionItem& option = screen_.AddOption();
        option.identification = kind;
        option.SetName(text);
        option.label.SetBoth(text);
        option.compiled = {12, 5};
        option.suppressed.SetCurrent(true);
    }
    Display(IdentificationKind::Name, "USER-ID");
    Display(IdentificationKind::OriginalText, "Last changed by");
    Display(IdentificationKind::Tag, "t", 12);
    model::CDispText& prompt = Display(IdentificationKind::AddedPrompt, "New one");
    prompt.compiled = {2, 40};
    Display(IdentificationKind::AddedDisplay, "a", 3);
    Display(IdentificationKind::AddedDisplay, "b", 0);
    Display(IdentificationKind::OriginalCoordinate, "c");
    Display(IdentificationKind::Name, "SHOWN").suppressed.SetCurrent(false);

    const std::vector<lists::SuppressedLine> lines =
        lists::SuppressedFieldLines(screen_, SuppressedListUse::AllSuppressed);
    const std::vector<std::pair<std::string, ItemClass>> expected = {
        {"USER-ID(display)", ItemClass::Display},
        {"\"Last changed by\"(display)", ItemClass::Display},
        {"Tag = 12(display)", ItemClass::Display},
        {"\"New one\",Coordinate 2,40(prompt)", ItemClass::Display},
        {"Tag = 3(display)", ItemClass::Display},
        {"Coordinate 4,9(display)", ItemClass::Display},
        {"Coordinate 4,9(display)", ItemClass::Display},
        {"MENU-A(option)", ItemClass::Option},
        {"\"Reports\"(option)", ItemClass::Option},
        {"Coordinate 12,5(option)", ItemClass::Option},
        {"CUST-PHONE(accept)", ItemClass::Accept},
        {"Coordinate 6,2(accept)", ItemClass::Accept},
        {"Tag = 7(accept)", ItemClass::Accept},
        {"DELETE(mode)", ItemClass::Mode},
        {"\"Show (display)\"(mode)", ItemClass::Mode},
        {"Box (Coordinate 10,2)", ItemClass::Box},
    };
    ASSERT_EQ(lines.size(), expected.size()) << ::testing::PrintToString(Texts(lines));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(expected[i].first);
        EXPECT_EQ(lines[i].text, expected[i].first);
        EXPECT_EQ(lists::KindOfLine(lines[i].text), expected[i].second);
        EXPECT_EQ(lines[i].key.itemClass, expected[i].second);
    }
    // What the placement dialog starts with: name or text, current position.
    EXPECT_EQ(lines[0].name, "USER-ID");
    EXPECT_EQ(lines[1].name, "Last changed by");
    EXPECT_EQ(lines[0].at, (model::CellPosition{3, 8}));
    EXPECT_EQ(lines.back().at, (model::CellPosition{9, 1}));
    EXPECT_EQ(lists::KindOfLine("no mark here"), std::nullopt);
}

TEST_F(SuppressedFields, DataEntryFieldsAreOnlyTheSuppressedFieldsTheProgramHides) {
    Display(IdentificationKind::Name, "USER-ID");
    Accept(IdentificationKind::Name, "SHOWN-BY-PROGRAM", false);
    Accept(IdentificationKind::Name, "RUN-COUNT", true);
    Accept(IdentificationKind::Tag, "T", true, 4);
    Accept(IdentificationKind::Name, "RELEASED", true).suppressed.SetCurrent(false);
    EXPECT_EQ(Texts(lists::SuppressedFieldLines(screen_, SuppressedListUse::DataEntryFields)),
              (std::vector<std::string>{"RUN-COUNT(accept)", "Tag = 4(accept)"}));
    EXPECT_TRUE(lists::HasSuppressedFields(screen_, SuppressedListUse::DataEntryFields));
    screen_.Accepts().Clear();
    EXPECT_FALSE(lists::HasSuppressedFields(screen_, SuppressedListUse::DataEntryFields));
    EXPECT_TRUE(lists::HasSuppressedFields(screen_, SuppressedListUse::AllSuppressed));
}

TEST_F(SuppressedFields, AReleaseMovesOnlyFieldsAndOptionsPlacedElsewhere) {
    model::CDispText& carrier = Display(IdentificationKind::Name, "NOW");
    carrier.triggers.Set(model::TriggerPoint::Display, "\"x\"", 1);
    Display(IdentificationKind::Name, "USER-ID");
    Accept(IdentificationKind::Name, "CUST-PHONE", false);
    const auto key = [&](ItemClass kind, const std::string& name) {
        commands::ItemKey k;
        k.itemClass = kind;
        k.identifier.identificationKind = static_cast<int>(IdentificationKind::Name);
        k.identifier.text = name;
        return k;
    };
    struct Case {
        ItemClass kind;
        std::string name;
        model::CellPosition to;
        std::vector<std::string> commands;
        std::string values;  // the move's
    };
    const std::vector<Case> cases = {
        {ItemClass::Display, "USER-ID", {3, 8}, {"Unsuppress display"}, ""},
        {ItemClass::Display, "USER-ID", {0, 0}, {"Unsuppress display", "Move display"}, "1,1"},
        {ItemClass::Display, "NOW", {2, 5}, {"Unsuppress display", "Move display and trigger"}, "3,6"},
        {ItemClass::Accept, "CUST-PHONE", {5, 1}, {"Unsuppress accept"}, ""},
        {ItemClass::Accept, "CUST-PHONE", {9, 20}, {"Unsuppress accept", "Move accept"}, "10,21"},
        {ItemClass::Option, "MENU-A", {1, 1}, {"Unsuppress menu", "Move menu"}, "2,2"},
        {ItemClass::Mode, "DELETE", {7, 7}, {"Unsuppress mode"}, ""},
        {ItemClass::Box, "", {7, 7}, {"Unsuppress box"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + " " + c.commands.back());
        lists::ReleasedField field{c.kind, key(c.kind, c.name), c.name, {3, 8}, c.to};
        if (c.kind == ItemClass::Accept) field.from = {5, 1};
        const std::vector<lists::PlannedCommand> plan = lists::ReleasePlan(screen_, field);
        std::vector<std::string> names;
        for (const auto& planned : plan) names.push_back(planned.name);
        EXPECT_EQ(names, c.commands);
        if (plan.size() == 2) {
            ASSERT_EQ(plan[1].values.size(), 1u);
            EXPECT_EQ(plan[1].values[0].text, c.values);
        }
    }
}

// Through the document: the unsuppress and the move are checked up front
// as one batch (the move while the field is still hidden) and undone as one.
TEST(SuppressedFieldRelease, AnEntryFieldReleasedElsewhereIsOneUndoStep) {
    platform::RecordingMessageSink sink;
    testsupport::DemoDocument demo(sink);
    ASSERT_TRUE(demo.Open());
    model::CScreenModel* customer = demo.Entry("CUSTOMER");
    ASSERT_NE(customer, nullptr);
    document::Document& document = demo.Document();
    const commands::ItemKey key = commands::KeyOf(*customer->FindAcceptByName("CUST-PHONE"));
    auto hide = commands::MakeCommand(*customer, "Suppress accept", key, {{"n/a", true}});
    ASSERT_TRUE(hide.command);
    ASSERT_TRUE(document.Run(*customer, *hide.command, sink));
    const model::CellPosition before = customer->FindAcceptByName("CUST-PHONE")->position.Current();

    const std::vector<lists::SuppressedLine> lines =
        lists::SuppressedFieldLines(*customer, SuppressedListUse::AllSuppressed);
    ASSERT_EQ(Texts(lines), (std::vector<std::string>{"CUST-PHONE(accept)"}));
    const lists::ReleasedField field{ItemClass::Accept, lines[0].key, lines[0].name, lines[0].at, {12, 40}};
    lists::ReleaseBatch release = lists::MakeRelease(*customer, field);
    ASSERT_EQ(release.error, "");
    ASSERT_EQ(release.batch.Commands().size(), 2u);
    ASSERT_TRUE(document.Run(*customer, release.batch, sink));
    EXPECT_TRUE(sink.Messages().empty());

    const model::CAcceptFld* shown = customer->FindAcceptByName("CUST-PHONE");  // the screen was rebuilt
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(shown->suppressed.Current());
    EXPECT_EQ(shown->position.Current(), (model::CellPosition{12, 40}));
    EXPECT_EQ(document.UndoLabels(*customer).size(), 2u);
    EXPECT_FALSE(lists::HasSuppressedFields(*customer, SuppressedListUse::AllSuppressed));

    ASSERT_TRUE(document.Undo(*customer, sink));
    const model::CAcceptFld* hidden = customer->FindAcceptByName("CUST-PHONE");
    ASSERT_NE(hidden, nullptr);
    EXPECT_TRUE(hidden->suppressed.Current());
    EXPECT_EQ(hidden->position.Current(), before);
}

}  // namespace
