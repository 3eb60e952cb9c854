#pragma once
// The commands of the canvas's context menu, which the main window's menus
// and toolbars reach through the view too, and when each may be used: the
// add commands need a right-click point, the item commands a selection of
// a kind they apply to. Also where the in-place rename editor sits.

#include <string_view>

#include "tessellar/canvas/interaction/canvas_interaction.h"
#include "tessellar/model/screen_model.h"

namespace canvas::interaction {

// In the context menu's order.
enum class CanvasCommand {
    AddDatabaseField,
    AddGlobalField,
    AddLocalField,
    AddDataEntryField,
    AddPrompt,
    AddBox,
    AddMode,
    FieldTrigger,
    DisplayTrigger,
    OptionTrigger,
    ModeTrigger,
    ModeTriggerFromList,
    ScreenTrigger,
    ModifyConfirm,
    ModeFromList,
    ScreenTitle,
    Suppress,
    Unsuppress,
    Rename,
    Properties,
    // Toolbar commands, not in the context menu.
    UnsuppressField,
    // The Edit menu's selection and its Align submenu.
    SelectAll,
    AlignLeft,
    AlignRight,
    AlignTop,
    AlignBottom,
    MakeSameWidth,
    SpaceEvenlyDown,
};

// The alignment an Align entry asks for; false for other commands.
bool AlignmentOf(CanvasCommand command, Alignment& alignment);

// The context menu's entries: the commands before the toolbar's own.
inline constexpr int kCanvasCommandCount = static_cast<int>(CanvasCommand::Properties) + 1;

// The entry's text as the context menu shows it.
std::string_view CommandText(CanvasCommand command);

bool CommandEnabled(CanvasCommand command, const CanvasInteraction& interaction, const model::CScreenModel& model);

// A rename edits at most this many characters.
inline constexpr int kRenameLimit = 79;

// The rename editor over a display text: its rows, from its left edge to
// the larger of its right edge and the end of the text in whole cells.
PixelRect RenameEditorRect(const CellRect& item, int textLength, CellSize cell);

}  // namespace canvas::interaction
