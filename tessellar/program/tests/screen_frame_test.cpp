// The frame, title, mode line and review area of a decoded entry, and the
// entry that is not there.

#include <gtest/gtest.h>

#include <string>

#include "tessellar/program/tests/decode_fixture.h"

namespace program {
namespace {

using opimage::kComputed;

TEST_F(DecodeTest, AFrameWithoutBottomAndRightTakesTheDefaults) {
    const model::CScreenModel& screen = DecodeBody({});
    const model::CScreenWnd& frame = *screen.Frame();
    EXPECT_EQ(screen.Origin(), (model::CellPosition{1, 1}));
    EXPECT_EQ(frame.bottomRow, 24);
    EXPECT_EQ(frame.rightColumn, 82);
    EXPECT_EQ(frame.originalBottomRow, 24);
    EXPECT_EQ(frame.originalRightColumn, 82);
    EXPECT_EQ(frame.TitleBar().topRow, 0);

    const model::CScreenModel& grid = DecodeBody({}, {.reviewWord = opimage::kDataGrid});
    EXPECT_EQ(grid.Frame()->rightColumn, 84);
}

TEST_F(DecodeTest, AStoredFrameIsOneRowTallerAndTwoColumnsWider) {
    const model::CScreenModel& screen = DecodeBody({}, {.top = 3, .left = 5, .bottom = 20, .right = 60});
    const model::CScreenWnd& frame = *screen.Frame();
    EXPECT_EQ(screen.Origin(), (model::CellPosition{3, 5}));
    EXPECT_EQ(frame.topRow, 3);
    EXPECT_EQ(frame.leftColumn, 5);
    EXPECT_EQ(frame.bottomRow, 21);
    EXPECT_EQ(frame.rightColumn, 62);
    EXPECT_EQ(frame.TitleBar().topRow, 2);
    EXPECT_EQ(frame.TitleBar().rightColumn, 62);

    // Computed corners count as unset.
    const model::CScreenModel& computed =
        DecodeBody({}, {.top = kComputed | 3, .left = kComputed, .bottom = kComputed | 20, .right = kComputed | 60});
    EXPECT_EQ(computed.Origin(), (model::CellPosition{1, 1}));
    EXPECT_EQ(computed.Frame()->bottomRow, 24);
    EXPECT_EQ(computed.Frame()->rightColumn, 82);
}

TEST_F(DecodeTest, TheTitleIsCutTo79CharactersAndShownInTheTitleBar) {
    const std::string longTitle(90, 'T');
    const model::CScreenModel& screen = DecodeBody({}, {.title = opimage::Text(longTitle)});
    EXPECT_EQ(screen.Title().Original(), longTitle.substr(0, 79));
    EXPECT_EQ(screen.Frame()->TitleBar().title.Current(), longTitle.substr(0, 79));
    EXPECT_EQ(DecodeBody({}, {.title = opimage::Expr()}).Title().Current(), "<expression>");
    EXPECT_EQ(DecodeBody({}).Title().Current(), "");
}

TEST_F(DecodeTest, AModeLineWithoutRowOrColumnSitsAboveTheBottomRow) {
    // Row 0 with a column still takes both defaults: row B - 1, column origin + 2.
    const model::CScreenModel& screen =
        DecodeBody({}, {.modeLineRow = 0, .modeLineColumn = 30, .top = 2, .left = 4, .bottom = 20});
    EXPECT_EQ(screen.ModeLine(), (model::CellPosition{20 - 2, 2}));
    const model::CScreenModel& stored =
        DecodeBody({}, {.modeLineRow = 21, .modeLineColumn = 3, .top = 2, .left = 1});
    EXPECT_EQ(stored.ModeLine(), (model::CellPosition{19, 2}));
}

TEST_F(DecodeTest, TheOptionWidthOfTheEntryGoesToModelAndFrame) {
    const model::CScreenModel& screen = DecodeBody({}, {.optionWidth = 24});
    EXPECT_EQ(screen.OptionWidth(), 24);
    EXPECT_EQ(screen.Frame()->optionWidth, 24);
    EXPECT_EQ(DecodeBody({}).OptionWidth(), -1);
}

TEST_F(DecodeTest, TheReviewAreaIsKeptRelativeToTheOrigin) {
    const model::CScreenModel& screen = DecodeBody(
        {}, {.reviewWord = opimage::kReviewScreen, .reviewBoxHeight = 2, .reviewRepeat = 5, .reviewFirstRow = 8,
             .top = 2, .left = 3, .right = 70});
    ASSERT_NE(screen.ReviewArea(), nullptr);
    const model::CReviewArea& area = *screen.ReviewArea();
    EXPECT_TRUE(screen.HasReview());
    EXPECT_EQ(area.flags, opimage::kReviewScreen);
    EXPECT_EQ(area.firstRow, 6);
    EXPECT_EQ(area.repeatCount, 5);
    EXPECT_EQ(area.box, (model::BoxCorners{0, 6, 72 - 1 - 3, 8}));
    EXPECT_EQ(DecodeBody({}).ReviewArea(), nullptr);
}

TEST_F(DecodeTest, AModelWithoutEntryIsReportedAndGetsOnlyAFrame) {
    model::CScreenModel screen("LOST", 1, nullptr, 0, 0, model::ModelKind::Screen);
    DecodeScreen(screen, sink);
    EXPECT_EQ(sink.Messages(), std::vector<std::string>{"Screen LOST not found"});
    EXPECT_NE(screen.Frame(), nullptr);
    EXPECT_TRUE(screen.Accepts().Empty());
    EXPECT_FALSE(screen.NeedsDecoding());
}

TEST_F(DecodeTest, DecodingAgainReplacesTheItems) {
    model::CScreenModel& screen = DecodeBody({opimage::Accept({.variable = "A"})});
    screen.SetOverridePath("/tmp/section");
    DecodeScreen(screen, sink);
    EXPECT_EQ(screen.Accepts().Size(), 1u);
    EXPECT_EQ(screen.OverridePath(), "/tmp/section");
}

}  // namespace
}  // namespace program
