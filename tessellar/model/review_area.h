#pragma once
// The review area of a screen: the rows that repeat a record's detail lines.
// On a data grid screen it is shown as a grid whose columns are the items
// of the area, packed side by side.

#include <cstdint>
#include <string_view>

#include "tessellar/model/box_item.h"
#include "tessellar/model/column_list.h"
#include "tessellar/model/font_description.h"

namespace model {

class CReviewArea {
public:
    static constexpr std::uint16_t kReviewScreenFlag = 0x01;
    static constexpr std::uint16_t kDataGridFlag = 0x80;

    std::uint16_t flags = 0;    // the entry's review word
    int boxHeight = 0;          // rows of the drawn box
    int repeatCount = 0;
    int firstRow = 0;           // relative to the screen origin
    int leftColumn = 0;         // relative to the screen origin
    int rightColumn = 0;
    BoxCorners box;             // relative to the screen origin
    ColumnList columns;
    int scrollColumn = 0;       // the data grid's horizontal scroll, in columns
    bool horizontalScroll = false;  // the grid's columns reach beyond the area
    FontDescription font;

    bool IsDataGrid() const { return (flags & kDataGridFlag) != 0; }

    // Data grid: registers an item's column; LayOutGrid then packs the
    // columns again. Columns that end beyond the area's right column give
    // the grid a horizontal scroll bar.
    const ColumnEntry& AddGridColumn(int key, int width, std::string_view title, FieldItem* item);
    void LayOutGrid();
    // One item fewer uses the column; the columns are packed again.
    bool RemoveGridColumn(int key, const FieldItem* item = nullptr);
    // The grid column of an item compiled at this column.
    int MapColumn(int compiledColumn) const { return columns.MapColumn(compiledColumn, leftColumn); }
};

}  // namespace model
