#include "tessellar/model/review_area.h"

#include <cstdint>

namespace model {

const ColumnEntry& CReviewArea::AddGridColumn(int key, int width, std::string_view title, CFieldItem* item) {
    columns.AddByKey(key, width, title, item);
    columns.LayOut(leftColumn);
    const ColumnEntry& added = *columns.FindByKey(key);
    if (std::int64_t{added.position} + added.width - 1 > rightColumn) horizontalScroll = true;
    return added;
}

bool CReviewArea::RemoveGridColumn(int key, const CFieldItem* item) {
    if (!columns.RemoveByKey(key, item)) return false;
    columns.LayOut(leftColumn);
    return true;
}

}  // namespace model
