#pragma once
// The texts of the canvas's mouse editing and of its context menu.

namespace canvas::interaction::texts {

inline constexpr const char* kBoxOnDataGrid = "A box can not be moved onto the data grid area.";

inline constexpr const char* kContextMenuName = "Right Click Menu";
inline constexpr const char* kAddFieldMenu = "&Add Field";

// The context menu's entries, in the order of CanvasCommand.
inline constexpr const char* kCommandTexts[] = {
    "&Database Fields for Screen",
    "&Global Fields for Program",
    "&Local Fields for Screen",
    "Data Entry &Field",
    "Add Pr&ompt",
    "Add &Box",
    "Add Mod&e",
    "Add/Modify &Field Trigger",
    "Add/Modify Display Trigger",
    "Add/Modify Option Trigger",
    "Add/Modify Mode Trigger",
    "Add/Modify Mo&de Trigger From List",
    "Add/Modify Screen &Trigger",
    "Modify &Confirm",
    "&Modify Mode From List",
    "Add/Modify Screen Tit&le",
    "&Suppress",
    "&Unsuppress",
    "&Rename",
    "&Properties",
};

// The toolbar's command that releases an item from the suppressed field list.
inline constexpr const char* kUnsuppressFieldText = "Unsuppress";

inline constexpr const char* kSelectAllText = "Select &All";
inline constexpr const char* kAlignMenu = "&Align";
// The Align submenu's entries, in the order of CanvasCommand.
inline constexpr const char* kAlignTexts[] = {
    "Align Left", "Align Right", "Align Top", "Align Bottom", "Make Same Width", "Space Evenly Down",
};

// The selection pane with several items selected: the key item, and how many.
inline constexpr const char* kSeveralSelectedFormat = "%s (key item; %d selected)";
// The status bar after a group action that could not take every item.
inline constexpr const char* kLeftOutOfMoveFormat = "%d selected item(s) cannot move (the window, a mode button) and were left out";
inline constexpr const char* kLeftOutOfWidthFormat = "%d selected item(s) have no width to change and were left out";
inline constexpr const char* kLeftOutOfSuppressFormat = "%d selected item(s) cannot be suppressed and were left out";

// The selection pane while dragging: the statement row and column under the mouse.
inline constexpr const char* kDragCellFormat = "Row %d, Column %d";

}  // namespace canvas::interaction::texts
