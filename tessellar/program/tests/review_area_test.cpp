// Which items belong to a review area, and how a data grid and a review
// screen keep their columns.

#include <gtest/gtest.h>

#include <vector>

#include "tessellar/program/tests/decode_fixture.h"

namespace program {
namespace {

using opimage::Accept;
using opimage::Display;
using opimage::Text;
using opimage::Var;

std::vector<bool> AcceptsInArea(const model::CScreenModel& screen) {
    std::vector<bool> inArea;
    for (const model::CAcceptFld& field : screen.Accepts()) inArea.push_back(field.inReviewArea);
    return inArea;
}

// Review rows 8 and 9 (a box of one row repeated twice).
opimage::Entry ReviewEntry(std::uint16_t flags) {
    return {.name = "R", .reviewWord = flags, .reviewBoxHeight = 1, .reviewRepeat = 2, .reviewFirstRow = 8};
}

TEST_F(DecodeTest, OnlyDetailItemsOnTheReviewRowsBelongToTheArea) {
    opimage::Entry entry = ReviewEntry(opimage::kReviewScreen);
    entry.body = {Accept({.row = 8, .variable = "BODY-ON-REVIEW-ROW"})};
    entry.detail = {Accept({.row = 7, .variable = "ABOVE"}), Accept({.row = 8, .variable = "FIRST"}),
                    Accept({.row = 9, .variable = "LAST"}), Accept({.row = 10, .variable = "BELOW"}),
                    Accept({.row = 8, .variable = "HIDDEN", .suppressed = true})};
    opimage::Program program;
    program.entries.push_back(entry);
    const model::CScreenModel& screen = Decode(program);
    EXPECT_EQ(AcceptsInArea(screen), (std::vector<bool>{false, false, true, true, false, false}));
    EXPECT_EQ(screen.Accepts()[2].reviewArea, screen.ReviewArea());
}

TEST_F(DecodeTest, AReviewScreenRecordsItsColumnsByPosition) {
    opimage::Entry entry = ReviewEntry(opimage::kReviewScreen);
    entry.detail = {Display({.row = 8, .column = 40, .text = Var("TOTAL"), .attributes = 0x4000}),
                    Accept({.row = 8, .column = 2, .variable = "CODE", .displayWidth = 6}),
                    Accept({.row = 9, .column = 2, .variable = "CODE2", .displayWidth = 3})};
    opimage::Program program;
    program.entries.push_back(entry);
    const model::CScreenModel& screen = Decode(program);
    const auto& columns = screen.ReviewArea()->columns.Entries();
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0].position, 1);
    EXPECT_EQ(columns[0].width, 6);
    EXPECT_EQ(columns[1].key, 2);  // the same position goes after the first
    EXPECT_EQ(columns[1].width, 3);
    EXPECT_EQ(columns[2].key, 40);
    // A review screen's column shows no border of its own and is marked instead.
    EXPECT_EQ(screen.Displays()[0].attributes.Original(), model::attribute::kReviewColumn);
}

TEST_F(DecodeTest, ADataGridPacksItsColumnsAndPlacesItsItemsInThem) {
    opimage::Entry entry = ReviewEntry(opimage::kDataGrid);
    entry.right = 40;
    entry.detail = {
        Display({.row = 8, .column = 50, .text = Var("PRICE"), .displayWidth = 9, .longForm = true,
                 .columnTitle = Text("Price")}),
        Accept({.row = 8, .column = 3, .variable = "ITEM", .displayWidth = 10, .title = Text("Item")}),
        Accept({.row = 9, .column = 3, .variable = "ITEM2", .displayWidth = 12}),
        Display({.row = 8, .column = 20, .text = Var("DESC"), .displayWidth = 30}),
    };
    opimage::Program program;
    program.entries.push_back(entry);
    const model::CScreenModel& screen = Decode(program);
    const model::CReviewArea& grid = *screen.ReviewArea();
    ASSERT_EQ(grid.columns.Size(), 3u);
    const model::ColumnEntry& item = grid.columns.Entries()[0];
    EXPECT_EQ(item.key, 3);
    EXPECT_EQ(item.useCount, 2);
    EXPECT_EQ(item.width, 12);
    EXPECT_EQ(item.title, "Item");
    EXPECT_EQ(grid.columns.Entries()[2].title, "Price");
    EXPECT_TRUE(grid.horizontalScroll);  // 12 + 30 + 9 columns do not fit in 0-42

    EXPECT_EQ(screen.Accepts()[0].position.Original().column, 0);
    EXPECT_EQ(screen.Accepts()[1].position.Original().column, 0);
    EXPECT_EQ(screen.Displays()[1].position.Original().column, 12);
    EXPECT_EQ(screen.Displays()[0].position.Original().column, 42);
    EXPECT_EQ(screen.Displays()[0].position.Original().row, 7);  // rows are not mapped
    EXPECT_EQ(screen.Displays()[0].gridColumnKey, 50);
}

}  // namespace
}  // namespace program
