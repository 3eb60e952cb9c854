// Fresh items, resets and change tests: what decoding starts from and what
// the canvas's change legend relies on.

#include <gtest/gtest.h>

#include "tessellar/model/screen_model.h"

namespace model {
namespace {

TEST(ItemValues, FreshItemsCarryTheirDefaults) {
    const CDispText display;
    EXPECT_EQ(display.scale.Current(), 100);
    EXPECT_EQ(display.tag, 0);
    EXPECT_EQ(display.compiled, (CellPosition{-1, -1}));
    EXPECT_EQ(display.colours.Current(), (ColourPair{colour::kNavy, colour::kSilver}));
    EXPECT_EQ(display.columnNumber.Current(), "0");
    EXPECT_EQ(display.gridColumnKey, -1);

    const COptionItem option;
    EXPECT_EQ(option.pictureNumber, 4);
    EXPECT_EQ(option.colours, (ColourPair{colour::kNavy, colour::kSilver}));

    const CBoxItem box;
    EXPECT_EQ(box.compiled, (BoxCorners{-1, -1, -1, -1}));
    const CConfirmItem confirm;
    EXPECT_EQ(confirm.compiled, (CellPosition{-1, -1}));
    EXPECT_EQ(CMessageItem().identification, IdentificationKind::OriginalText);
}

TEST(ItemValues, TextsAreCutToTheirFields) {
    CAcceptFld field;
    field.help.SetBoth(std::string(150, 'h'));
    field.title.SetCurrent(std::string(90, 't'));
    field.SetDefaultPicture(std::string(60, '9'));
    EXPECT_EQ(field.help.Current().size(), 99u);
    EXPECT_EQ(field.title.Current().size(), 79u);
    EXPECT_EQ(field.defaultPicture.size(), 49u);
    CMessageItem message;
    message.SetText(std::string(600, 'm'));
    EXPECT_EQ(message.text.Original().size(), 511u);
    EXPECT_EQ(message.editedText.size(), 511u);
}

TEST(ItemValues, ResetTakesBackEveryOriginalValue) {
    CModeItem mode;
    mode.label.SetBoth("Add");
    mode.help.SetBoth("Add a record");
    mode.label.SetCurrent("Insert");
    mode.help.SetCurrent("Insert a record");
    EXPECT_TRUE(mode.IsChanged());
    mode.ResetToOriginal();
    EXPECT_EQ(mode.label.Current(), "Add");
    EXPECT_EQ(mode.help.Current(), "Add a record");
    EXPECT_FALSE(mode.IsChanged());

    CDispText display;
    display.position.SetBoth({2, 3});
    display.text.SetBoth("Name:");
    display.position.SetCurrent({5, 3});
    display.attributes.SetCurrent(attribute::kBold);
    EXPECT_TRUE(display.IsMoved());
    EXPECT_TRUE(display.IsChanged());
    display.ResetToOriginal();
    EXPECT_FALSE(display.IsMoved());
    EXPECT_FALSE(display.IsChanged());
}

TEST(ItemValues, AMoveAloneIsNoOtherChange) {
    CAcceptFld field;
    field.position.SetBoth({1, 1});
    field.position.SetCurrent({2, 1});
    EXPECT_TRUE(field.IsMoved());
    EXPECT_FALSE(field.IsChanged());
    field.readOnly.SetCurrent(true);
    EXPECT_TRUE(field.IsChanged());
}

TEST(ItemValues, ABoxIsChangedByItsTitleOrItsChangeFlag) {
    CBoxItem box;
    box.title.SetBoth("Details");
    EXPECT_FALSE(box.IsChanged());
    box.changed = true;
    EXPECT_TRUE(box.IsChanged());
    box.ResetToOriginal();
    box.title.SetCurrent("More");
    EXPECT_TRUE(box.IsChanged());
    box.ResetToOriginal();
    EXPECT_FALSE(box.IsChanged());
}

TEST(ItemValues, EachItemKindOffersItsOwnTriggerPoints) {
    CAcceptFld field;
    EXPECT_TRUE(field.triggers.Set(TriggerPoint::AfterAccept, "\"lookup\" CUST-NO", 1));
    EXPECT_FALSE(field.triggers.Set(TriggerPoint::Display, "x", 1));
    EXPECT_TRUE(field.triggers.AnyTrigger());
    EXPECT_TRUE(field.triggers.Slot(TriggerPoint::AfterAccept)->customised);
    EXPECT_TRUE(field.triggers.Clear(TriggerPoint::AfterAccept));
    EXPECT_FALSE(field.triggers.AnyTrigger());

    EXPECT_NE(CDispText().triggers.Slot(TriggerPoint::Display), nullptr);
    EXPECT_NE(COptionItem().triggers.Slot(TriggerPoint::BeforeOption), nullptr);
    EXPECT_EQ(CModeItem().triggers.Slots().size(), 4u);

    CScreenModel screen("S", 1, nullptr, 0, 0, ModelKind::Screen);
    screen.ScreenTriggers().Set(TriggerPoint::ScreenLoad, std::string(600, 'r'), 2);
    EXPECT_EQ(screen.ScreenTriggers().Slot(TriggerPoint::ScreenLoad)->runLine.size(), 511u);
    COptionItem option;
    option.triggers.Set(TriggerPoint::Option, std::string(600, 'r'), 2);
    EXPECT_EQ(option.triggers.Slot(TriggerPoint::Option)->runLine.size(), 419u);
}

TEST(ItemValues, ColoursOfAttributesFollowThePairOrder) {
    ColourTable table;
    EXPECT_EQ(ColoursForAttributes(attribute::kUnderline | attribute::kBlink, false, table),
              (ColourPair{colour::kWhite, colour::kNavy}));
    EXPECT_EQ(ColoursForAttributes(attribute::kBlink | attribute::kBackground, false, table),
              (ColourPair{colour::kWhite, colour::kGreen}));
    EXPECT_EQ(ColoursForAttributes(attribute::kBackground, true, table),
              (ColourPair{colour::kBlack, colour::kSilver}));
    EXPECT_EQ(ColoursForAttributes(0, false, table), (ColourPair{colour::kNavy, colour::kSilver}));
    table.SetEntry(12, 0x123456);
    EXPECT_EQ(ColoursForAttributes(0, true, table), (ColourPair{0x123456, colour::kSilver}));
    // Text never vanishes: equal colours get the complement as foreground.
    table.SetEntry(6, colour::kSilver);
    EXPECT_EQ(ColoursForAttributes(0, false, table), (ColourPair{0x3F3F3F, colour::kSilver}));
    EXPECT_EQ(ColourTable().Entry(21), colour::kNavy);
    EXPECT_EQ(ColourTable().Entry(22), colour::kBlack);
}

TEST(ItemValues, ACustomFontGivesItsFaceButTheTitleBarStaysBoldArial) {
    FontDescription custom;
    custom.faceName = "Courier New";
    custom.height = 18;
    custom.weight = 600;
    custom.italic = true;
    EXPECT_EQ(ItemFont({}), FontDescription{});
    const FontDescription item = ItemFont(custom);
    EXPECT_EQ(item.faceName, "Courier New");
    EXPECT_EQ(item.weight, 600);
    EXPECT_FALSE(item.italic);
    const FontDescription title = TitleBarFont(custom);
    EXPECT_EQ(title.faceName, "Arial");
    EXPECT_EQ(title.weight, 700);
    EXPECT_EQ(title.height, 18);
}

}  // namespace
}  // namespace model
