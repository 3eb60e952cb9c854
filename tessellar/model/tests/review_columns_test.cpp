// The column list of a review area in both of its forms.

#include <gtest/gtest.h>

#include <vector>

#include "tessellar/model/review_area.h"
#include "tessellar/model/screen_model.h"

namespace model {
namespace {

std::vector<int> Keys(const ColumnList& list) {
    std::vector<int> keys;
    for (const ColumnEntry& entry : list.Entries()) keys.push_back(entry.key);
    return keys;
}

std::vector<int> Positions(const ColumnList& list) {
    std::vector<int> positions;
    for (const ColumnEntry& entry : list.Entries()) positions.push_back(entry.position);
    return positions;
}

TEST(ReviewColumns, ADataGridSortsByKeyAndPacksColumnsFromTheLeft) {
    ColumnList columns;
    columns.AddByKey(40, 5, "Qty", nullptr);
    columns.AddByKey(3, 10, "Item", nullptr);
    columns.AddByKey(20, 8, "Price", nullptr);
    columns.LayOut(2);
    EXPECT_EQ(Keys(columns), (std::vector<int>{3, 20, 40}));
    EXPECT_EQ(Positions(columns), (std::vector<int>{2, 12, 20}));
    // The column map counts the widths of every column with a smaller key.
    EXPECT_EQ(columns.MapColumn(3, 2), 2);
    EXPECT_EQ(columns.MapColumn(20, 2), 12);
    EXPECT_EQ(columns.MapColumn(30, 2), 20);
    EXPECT_EQ(columns.MapColumn(99, 2), 25);
    EXPECT_EQ(ColumnList().MapColumn(99, 2), 2);
}

TEST(ReviewColumns, AGridColumnUsedTwiceStaysUntilItsLastItemGoes) {
    ColumnList columns;
    columns.AddByKey(12, 6, "First", nullptr);
    const ColumnEntry& again = columns.AddByKey(12, 9, "Second", nullptr);
    EXPECT_EQ(columns.Size(), 1u);
    EXPECT_EQ(again.useCount, 2);
    EXPECT_EQ(again.width, 9);         // the newer width
    EXPECT_EQ(again.title, "First");   // the first title stays
    EXPECT_TRUE(columns.RemoveByKey(12));
    ASSERT_EQ(columns.Size(), 1u);
    EXPECT_EQ(columns.Entries()[0].useCount, 1);
    EXPECT_TRUE(columns.RemoveByKey(12));
    EXPECT_TRUE(columns.Empty());
    EXPECT_FALSE(columns.RemoveByKey(12));
}

TEST(ReviewColumns, AReviewScreenSortsByPositionAndAnEqualPositionGoesAfter) {
    ColumnList columns;
    columns.AddByPosition(30, 5, 31);
    columns.AddByPosition(10, 4, 11);
    columns.AddByPosition(10, 6, 12);
    EXPECT_EQ(Keys(columns), (std::vector<int>{11, 12, 31}));
    EXPECT_TRUE(columns.MovePosition(10, 50));  // in place, not re-sorted
    EXPECT_EQ(Keys(columns), (std::vector<int>{11, 12, 31}));
    EXPECT_TRUE(columns.RemoveByPosition(10));
    EXPECT_EQ(Keys(columns), (std::vector<int>{11, 31}));
    EXPECT_FALSE(columns.RemoveByPosition(77));
}

TEST(ReviewColumns, GridColumnsBeyondTheAreaGiveAScrollBar) {
    CReviewArea area;
    area.flags = CReviewArea::kDataGridFlag;
    area.rightColumn = 20;
    area.AddGridColumn(5, 10, "A", nullptr);
    area.AddGridColumn(9, 11, "B", nullptr);
    area.LayOutGrid();
    EXPECT_FALSE(area.horizontalScroll);  // columns 0-20 fit
    area.AddGridColumn(30, 1, "C", nullptr);
    area.LayOutGrid();
    EXPECT_TRUE(area.horizontalScroll);
}

TEST(ReviewColumns, TheModelPlacesGridItemsAtTheirColumns) {
    CScreenModel screen("GRID", 1, nullptr, 0, 0, ModelKind::Screen);
    screen.SetReviewWord(CReviewArea::kDataGridFlag);
    CReviewArea& area = screen.CreateReviewArea();
    area.flags = CReviewArea::kDataGridFlag;
    area.rightColumn = 70;
    CAcceptFld& code = screen.AddAccept();
    code.compiled = {5, 30};
    code.width.SetBoth(4);
    CDispText& name = screen.AddDisplay();
    name.compiled = {5, 10};
    name.width.SetBoth(12);
    screen.RegisterGridColumn(code, "Code");
    screen.RegisterGridColumn(name, "Name");
    screen.PlaceGridItems();
    EXPECT_EQ(name.position.Current().column, 0);
    EXPECT_EQ(code.position.Current().column, 12);
    EXPECT_EQ(code.gridColumnKey, 30);

    screen.UnregisterGridColumn(name);
    screen.PlaceGridItems();
    EXPECT_EQ(code.position.Original().column, 0);
    EXPECT_EQ(name.gridColumnKey, -1);
}

}  // namespace
}  // namespace model
