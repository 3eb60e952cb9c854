// The model's lists, look-ups and teardown.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tessellar/model/screen_model.h"

namespace model {
namespace {

CScreenModel NewModel() { return CScreenModel("CUSTOMER", 3, nullptr, 0, 0, ModelKind::Screen); }

TEST(ScreenModel, AFreshModelIsUndecoded) {
    const CScreenModel screen("CUSTOMER", 3, nullptr, 120, 40, ModelKind::Menu);
    EXPECT_EQ(screen.Name(), "CUSTOMER");
    EXPECT_EQ(screen.Entry(), 120u);
    EXPECT_EQ(screen.Kind(), ModelKind::Menu);
    EXPECT_TRUE(screen.NeedsDecoding());
    EXPECT_EQ(screen.Origin(), (CellPosition{-1, -1}));
    EXPECT_EQ(screen.OptionWidth(), -1);
    EXPECT_EQ(screen.Frame(), nullptr);
    EXPECT_EQ(screen.ReviewArea(), nullptr);
    EXPECT_EQ(screen.Colours(), ColourTable());
}

TEST(ScreenModel, LookUpsReturnTheFirstMatchInCreationOrder) {
    CScreenModel screen = NewModel();
    CDispText& first = screen.AddDisplay();
    first.SetName("CUST-NO");
    first.text.SetBoth("Code:");
    CDispText& second = screen.AddDisplay();
    second.SetName("CUST-NO");
    second.text.SetBoth("Code:");
    second.text.SetCurrent("Number:");
    EXPECT_EQ(screen.FindDisplayByName("CUST-NO"), &first);
    EXPECT_EQ(screen.FindDisplayByOriginalText("Code:"), &first);
    EXPECT_EQ(screen.FindDisplayByOriginalText("Number:"), nullptr);  // current texts do not count
    EXPECT_EQ(screen.FindDisplayByName("cust-no"), nullptr);          // exact case

    CConfirmItem& confirm = screen.AddConfirm();
    confirm.question.SetBoth("Delete?");
    EXPECT_EQ(screen.FindConfirmByQuestion("Delete?"), &confirm);
    screen.FindOrAddFieldEntry(FieldList::Program, "TODAY").width = 11;
    EXPECT_EQ(screen.FindOrAddFieldEntry(FieldList::Program, "TODAY").width, 11);
    EXPECT_EQ(screen.Fields(FieldList::Program).Size(), 1u);
    EXPECT_EQ(screen.FindFieldEntry(FieldList::ScreenLocal, "TODAY"), nullptr);
}

TEST(ScreenModel, ModesAreFoundOnlyUnderTheirIdentification) {
    CScreenModel screen = NewModel();
    CModeItem& byName = screen.AddMode();
    byName.SetIdentifier("ADD");
    byName.label.SetBoth("Add");
    byName.identification = IdentificationKind::Name;
    CModeItem& byText = screen.AddMode();
    byText.label.SetBoth("Find");
    byText.identification = IdentificationKind::OriginalText;
    CModeItem& wide = screen.AddProgramMode();
    wide.SetIdentifier("FIND");
    wide.identification = IdentificationKind::Name;

    EXPECT_EQ(screen.FindModeByIdentifier("ADD"), &byName);
    EXPECT_EQ(screen.FindModeByOriginalLabel("Add"), nullptr);
    EXPECT_EQ(screen.FindModeByOriginalLabel("Find"), &byText);
    EXPECT_EQ(screen.FindModeByIdentifier("FIND"), nullptr);
    EXPECT_EQ(screen.FindModeByIdentifier("FIND", ModeList::ProgramWide), &wide);
}

TEST(ScreenModel, AddModeTellsWhereThePreviousModeSits) {
    CScreenModel screen = NewModel();
    ModePlacement previous;
    CModeItem& first = screen.AddMode(&previous);
    EXPECT_FALSE(previous.position.IsSet());
    first.position = {20, 2};
    first.width = 4;
    screen.AddMode(&previous);
    EXPECT_EQ(previous.position, (CellPosition{20, 2}));
    EXPECT_EQ(previous.width, 4);

    screen.SetAsideScreenModes();
    EXPECT_TRUE(screen.Modes().Empty());
    ASSERT_EQ(screen.SetAsideModes().Size(), 2u);
    EXPECT_EQ(screen.SetAsideModes().First(), &first);
}

TEST(ScreenModel, ItemsAreBuiltWithTheScreenFont) {
    CScreenModel screen = NewModel();
    FontDescription custom;
    custom.faceName = "Lucida";
    screen.SetCustomFont(custom);
    EXPECT_EQ(screen.AddAccept().font.faceName, "Lucida");
    EXPECT_EQ(screen.CreateFrame().TitleBar().font.faceName, "Arial");
}

TEST(ScreenModel, FrameResizeKeepsTheTopLeftCornerAndTheTitleBarFollows) {
    CScreenWnd frame;
    EXPECT_EQ(frame.originalRightColumn, 80);
    EXPECT_EQ(frame.originalBottomRow, 24);
    frame.Place(3, 2, 82, 24);
    EXPECT_EQ(frame.TitleBar().topRow, 1);
    EXPECT_EQ(frame.TitleBar().bottomRow, 2);
    frame.Resize(10, 40);
    EXPECT_EQ(frame.rightColumn, 42);
    EXPECT_EQ(frame.bottomRow, 11);
    EXPECT_EQ(frame.TitleBar().rightColumn, 42);
}

TEST(ScreenModel, ANewReviewAreaUnlinksTheItemsOfTheOldOne) {
    CScreenModel screen = NewModel();
    CReviewArea& old = screen.CreateReviewArea();
    CAcceptFld& field = screen.AddAccept();
    field.reviewArea = &old;
    field.inReviewArea = true;
    screen.CreateReviewArea();
    EXPECT_EQ(field.reviewArea, nullptr);
    EXPECT_FALSE(field.inReviewArea);
}

TEST(ScreenModel, DestroyItemsEmptiesEveryListAndForgetsTheSectionPath) {
    CScreenModel screen = NewModel();
    screen.CreateFrame();
    screen.CreateReviewArea();
    screen.AddAccept();
    screen.AddDisplay();
    screen.AddOption();
    screen.AddBox();
    screen.AddMode();
    screen.AddProgramMode();
    screen.AddConfirm();
    screen.AddMessage(MessageKind::Abort);
    screen.AddFieldEntry(FieldList::RecordSource, "A");
    screen.SetOverridePath("/tmp/ZZZ_CUSTOMER.tmp");
    screen.DestroyItems();
    EXPECT_TRUE(screen.Accepts().Empty());
    EXPECT_TRUE(screen.Displays().Empty());
    EXPECT_TRUE(screen.Options().Empty());
    EXPECT_TRUE(screen.Boxes().Empty());
    EXPECT_TRUE(screen.Modes().Empty());
    EXPECT_TRUE(screen.Modes(ModeList::ProgramWide).Empty());
    EXPECT_TRUE(screen.Confirms().Empty());
    EXPECT_TRUE(screen.Messages().Empty());
    EXPECT_TRUE(screen.Fields(FieldList::RecordSource).Empty());
    EXPECT_EQ(screen.Frame(), nullptr);
    EXPECT_EQ(screen.ReviewArea(), nullptr);
    EXPECT_EQ(screen.OverridePath(), "");
}

// Items are deleted first to last, as their list holds them.
struct Counted {
    explicit Counted(std::vector<int>& log, int number) : log_(log), number_(number) {}
    ~Counted() { log_.push_back(number_); }
    std::vector<int>& log_;
    int number_;
};

TEST(ScreenModel, ListsDeleteTheirItemsInListOrder) {
    std::vector<int> log;
    ItemList<Counted> list;
    for (int number = 1; number <= 3; ++number) list.Add(log, number);
    Counted* second = &list[1];
    EXPECT_TRUE(list.Remove(second));
    list.Clear();
    EXPECT_EQ(log, (std::vector<int>{2, 1, 3}));
}

}  // namespace
}  // namespace model
