#pragma once
// What a completed gesture on the canvas asks for: the window turns it into
// the named command of the catalogue (or shows the refusal). Cells are
// relative to the screen origin, as the model holds them; CommandValues
// gives the command's values in the statement coordinates it writes.

#include <string>
#include <vector>

#include "tessellar/commands/command_catalogue.h"
#include "tessellar/commands/item_reference.h"
#include "tessellar/model/box_item.h"
#include "tessellar/model/cell_position.h"
#include "tessellar/model/screen_model.h"

namespace canvas::interaction {

enum class OutcomeKind {
    Nothing,
    MoveItem,       // move `key` so its top left is `at`
    ResizeField,    // give `key` `width` columns with its top left at `at`
    MoveBox,        // move or resize the box `key` to `corners`
    AddBox,         // add a box with `corners`
    BoxOnDataGrid,  // refused: `refusal` is the message to show
    MoveGroup,      // move every selected item by `by` rows and columns
    SelectBand,     // select what lies wholly inside the rubber band
    ResizeWindow,   // give the screen's window `width` columns and `height` rows
};

struct GestureOutcome {
    OutcomeKind kind = OutcomeKind::Nothing;
    const char* command = nullptr;  // the catalogue's name of the command
    commands::ItemKey key;          // the item, for all but AddBox
    model::CellPosition at;
    int width = 0;
    int height = 0;  // ResizeWindow
    model::BoxCorners corners;
    model::CellPosition by;  // MoveGroup: rows and columns
    const char* refusal = nullptr;

    bool AsksForCommand() const { return command != nullptr; }
};

// The command's values as MakeCommand takes them: "row,column" pairs in
// statement coordinates, the width as a number, an empty box title, a
// window's "width,height".
std::vector<commands::CommandValue> CommandValues(const GestureOutcome& outcome, const model::CScreenModel& model);

}  // namespace canvas::interaction
