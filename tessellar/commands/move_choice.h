#pragma once
// Which move command a field takes: inside the data grid the grid's own
// (it rewrites the grid's shifted items), and a display field that carries
// its display trigger and has no tag moves the trigger's block along.

#include "tessellar/model/accept_field.h"
#include "tessellar/model/display_text.h"

namespace commands {

const char* MoveCommandOf(const model::CDispText& display);
const char* MoveCommandOf(const model::CAcceptFld& field);

}  // namespace commands
