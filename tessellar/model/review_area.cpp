#include "tessellar/model/review_area.h"

#include <cstdint>

namespace model {

const ColumnEntry& CReviewArea::AddGridColumn(int key, int width, std::string_view title, FieldItem* item) {
    return columns.AddByKey(key, width, title, item);
}

void CReviewArea::LayOutGrid() {
    columns.LayOut(leftColumn);
    if (!columns.Empty() && std::int64_t{columns.EndColumn(leftColumn)} - 1 > rightColumn) horizontalScroll = true;
}

bool CReviewArea::RemoveGridColumn(int key, const FieldItem* item) {
    if (!columns.RemoveByKey(key, item)) return false;
    columns.LayOut(leftColumn);
    return true;
}

}  // namespace model
