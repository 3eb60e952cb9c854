#pragma once
// The screen model's checks that come before a command: each gives the
// refusal text the user sees, or none when the command may go ahead. The
// window's sheets and gestures call these; so does the command catalogue.

#include <optional>
#include <string>
#include <string_view>

#include "tessellar/model/screen_model.h"

namespace commands {

using Refusal = std::optional<std::string>;

// Hiding or making read-only an entry field needs a default value.
Refusal CheckHideDefault(std::string_view defaultText);
Refusal CheckBlockDefault(std::string_view defaultText);
Refusal CheckReadonlyDefault(std::string_view defaultText);

// Only alphanumeric fields ("x" pictures, or none) change width by resizing.
Refusal CheckResize(const model::FieldItem& item);

// A compiled display moved into the review area (absolute row and column).
Refusal CheckMoveDisplay(const model::CScreenModel& model, const model::CDispText& item, int row, int column);

// Adding a field the screen already shows.
Refusal CheckAddField(const model::CScreenModel& model, std::string_view fieldName);
// The field list offered for adding is empty.
Refusal CheckFieldList(const model::CScreenModel& model, model::FieldList list);

// Drop positions (absolute row and column) for adding at a point: a prompt
// not onto an item nor into the review area; a field or trigger display not
// onto an item (unless inside a data grid) nor onto the review area's last row.
Refusal CheckAddPromptAt(const model::CScreenModel& model, int row, int column);
Refusal CheckAddFieldAt(const model::CScreenModel& model, int row, int column);
Refusal CheckAddTriggerDisplayAt(const model::CScreenModel& model, int row, int column);

// A data grid takes a field only where no column is, after its last column:
// a move (`moving`: the item moved, whose own column does not count) or an
// add onto another column is refused with `refusal`.
Refusal CheckGridColumnFree(const model::CScreenModel& model, const model::FieldItem* moving, int row, int column,
                            const char* refusal);

// A value that would not stay on its one statement line: a line end, a
// carriage return or a NUL.
Refusal CheckLineValue(std::string_view value);

}  // namespace commands
