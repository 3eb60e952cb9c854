#pragma once
// Whether an item's text span shares a cell of its row with another item's:
// used to frame overlaid items and to warn before a field is brought back
// onto the screen at a proposed place.

#include "tessellar/model/screen_model.h"

namespace model {

// A row and the first and last column an item's text covers.
struct TextSpan {
    int row = 0;
    int firstColumn = 0;
    int lastColumn = -1;  // first + width - 1; an empty span meets nothing
};

TextSpan SpanOf(const model::CAcceptFld& item);
TextSpan SpanOf(const model::CDispText& item);
TextSpan SpanOf(const model::COptionItem& item);

// Whether two spans share a cell of their row.
bool SpansMeet(const TextSpan& a, const TextSpan& b);

// How many display texts, accept fields and menu options other than `self`
// (null: none is left out) share a cell with the span.
int CountOverlaps(const model::CScreenModel& model, TextSpan span, const void* self = nullptr);

}  // namespace model
