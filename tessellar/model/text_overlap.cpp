#include "tessellar/model/text_overlap.h"

namespace model {

namespace {

TextSpan Span(model::CellPosition position, int width) {
    return TextSpan{position.row, position.column, position.column + width - 1};
}

template <typename List>
int CountIn(const List& items, const TextSpan& span, const void* self) {
    int count = 0;
    for (const auto& item : items) {
        if (static_cast<const void*>(&item) != self && SpansMeet(span, SpanOf(item))) ++count;
    }
    return count;
}

}  // namespace

bool SpansMeet(const TextSpan& a, const TextSpan& b) {
    return a.row == b.row && a.firstColumn <= a.lastColumn && b.firstColumn <= b.lastColumn &&
           a.firstColumn <= b.lastColumn && b.firstColumn <= a.lastColumn;
}

TextSpan SpanOf(const model::CAcceptFld& item) { return Span(item.position.Current(), item.width.Current()); }
TextSpan SpanOf(const model::CDispText& item) { return Span(item.position.Current(), item.width.Current()); }
TextSpan SpanOf(const model::COptionItem& item) { return Span(item.position.Current(), item.width); }

int CountOverlaps(const model::CScreenModel& model, TextSpan span, const void* self) {
    return CountIn(model.Displays(), span, self) + CountIn(model.Accepts(), span, self) +
           CountIn(model.Options(), span, self);
}

}  // namespace model
