#pragma once
// The texts of the commands: their names (which open their undo labels),
// the undo labels' forms and every refusal a command's check gives.

#include <cstddef>

namespace commands::texts {

// Display items.
inline constexpr const char* kSuppressDisplay = "Suppress display";
inline constexpr const char* kUnsuppressDisplay = "Unsuppress display";
inline constexpr const char* kResetDisplay = "Reset display";
inline constexpr const char* kChangeDisplayText = "Change display text";
inline constexpr const char* kModifyDisplayTitle = "Modify display title";
inline constexpr const char* kMoveDisplay = "Move display";
inline constexpr const char* kMoveDisplayAndTrigger = "Move display and trigger";
inline constexpr const char* kMoveDatagridDisplay = "Move datagrid display";
inline constexpr const char* kResizeDisplay = "Resize display";
inline constexpr const char* kModifyDisplayColor = "Modify display color";
inline constexpr const char* kModifyDisplayOrder = "Modify display order";
inline constexpr const char* kModifyDisplayPicture = "modify display picture";
inline constexpr const char* kModifyDisplayScale = "Modify display scale";
inline constexpr const char* kModifyDisplayAttributes = "Modify display attributes";
inline constexpr const char* kModifyDisplayTrigger = "Modify display trigger";
inline constexpr const char* kRemoveDisplayTrigger = "Remove display trigger";
// Entry fields.
inline constexpr const char* kSuppressAccept = "Suppress accept";
inline constexpr const char* kUnsuppressAccept = "Unsuppress accept";
inline constexpr const char* kResetAccept = "Reset accept";
inline constexpr const char* kReadonlyAccept = "Readonly accept";
inline constexpr const char* kRecoverFromReadonlyAccept = "Recover from readonly accept";
inline constexpr const char* kChangeAcceptDefault = "Change accept default";
inline constexpr const char* kModifyAcceptHelp = "Modify accept help";
inline constexpr const char* kModifyAcceptAllowAndDisallow = "Modify accept allow and disallow";
inline constexpr const char* kModifyAcceptTitle = "Modify accept title";
inline constexpr const char* kModifyAcceptFilter = "Modify accept filter";
inline constexpr const char* kModifyAcceptOrder = "Modify accept order";
inline constexpr const char* kModifyAcceptPicture = "Modify accept picture";
inline constexpr const char* kMoveAccept = "Move accept";
inline constexpr const char* kMoveDatagridAccept = "Move datagrid accept";
inline constexpr const char* kResizeAccept = "Resize accept";
inline constexpr const char* kModifyAcceptTrigger = "Modify accept trigger";
inline constexpr const char* kRemoveAcceptTrigger = "Remove accept trigger";
// Menu options.
inline constexpr const char* kSuppressMenu = "Suppress Menu";
inline constexpr const char* kUnsuppressMenu = "Unsuppress menu";
inline constexpr const char* kChangeMenuText = "Change menu text";
inline constexpr const char* kModifyMenuHelp = "Modify menu help";
inline constexpr const char* kMoveMenu = "Move menu";
inline constexpr const char* kModifyMenuTrigger = "Modify menu trigger";
inline constexpr const char* kRemoveMenuTrigger = "Remove menu trigger";
// Modes.
inline constexpr const char* kSuppressMode = "Suppress mode";
inline constexpr const char* kUnsuppressMode = "Unsuppress mode";
inline constexpr const char* kModifyModeText = "Modify mode text";
inline constexpr const char* kModifyModeHelp = "Modify mode help";
inline constexpr const char* kAddMode = "Add mode";
inline constexpr const char* kModifyModeTrigger = "Modify mode trigger";
inline constexpr const char* kRemoveModeTrigger = "Remove mode trigger";
// Confirms.
inline constexpr const char* kSuppressConfirm = "Suppress confirm";
inline constexpr const char* kModifyConfirmText = "Modify confirm text";
inline constexpr const char* kModifyConfirmDefault = "Modify confirm default";
inline constexpr const char* kResetConfirm = "Reset confirm";
// The screen window.
inline constexpr const char* kModifyScreenTitle = "Modify screen title";
inline constexpr const char* kResetScreenTitle = "Reset screen title";
inline constexpr const char* kResizeTheWindow = "Resize the window";
inline constexpr const char* kModifyScreenDefaultMode = "Modify screen default mode";
inline constexpr const char* kModifyScreenTrigger = "Modify screen trigger";
inline constexpr const char* kRemoveScreenTrigger = "Remove screen trigger";
// Added items.
inline constexpr const char* kAddField = "Add field";
inline constexpr const char* kAddDatagridField = "Add datagrid field";
inline constexpr const char* kAddPrompt = "Add prompt";
inline constexpr const char* kAddUserDefinedField = "Add user defined field";
inline constexpr const char* kAddBox = "Add box";
// Boxes.
inline constexpr const char* kSuppressBox = "Suppress box";
inline constexpr const char* kUnsuppressBox = "Unsuppress box";
inline constexpr const char* kModifyBoxTitle = "Modify box title";
inline constexpr const char* kResetBox = "Reset box";
inline constexpr const char* kMovingOrResizingBox = "Moving or resizing box";
// Messages and the hand edit.
inline constexpr const char* kModifyMessageText = "Modify message text";
inline constexpr const char* kEditScreenFile = "Edit screen file";
// Re-attaching a block an upgrade broke to the item it meant.
inline constexpr const char* kApplyFix = "Apply fix";
inline constexpr const char* kFixGone = "The line this fix changes is no longer in the screen's statements.";

// Undo labels: "NAME(IDENTIFIER LINE)" and the drop-down's "No. N: LABEL".
inline constexpr const char* kLabelFormat = "%s(%s)";
inline constexpr const char* kDisplayTextFormat = "%s %d: ";
inline constexpr const char* kNumberWord = "No.";
inline constexpr const char* kUndoActions = "Undo %d Actions";
inline constexpr const char* kRedoActions = "Redo %d Actions";
inline constexpr const char* kProblemCreatingTmpfile = "Problem creating the tmpfile";

// Refusals.
inline constexpr const char* kCouldNotHide = "Sorry, could not hide a field without default values";
inline constexpr const char* kCouldNotBlock = "Sorry, could not block a field without default values";
inline constexpr const char* kCouldNotMakeReadonly = "Sorry, could not make a field readonly without default values";
inline constexpr const char* kNoColumnForMove =
    "Can't perform this moving. There is no column number available at the position selected.";
inline constexpr const char* kPromptNotInReview = "Could not move prompt which is not in review screen to review area";
inline constexpr const char* kNotAlphanumeric =
    "The width of the field can not be changed as it is not alphanumeric. Change the format of the field via the "
    "Properties dialog.";
inline constexpr const char* kNoColumnForAdd =
    "Can't perform this adding. There is no column number available between at the position selected.";
inline constexpr const char* kAlreadyDisplayed = "This field is already displayed on this screen";
inline constexpr const char* kNoDatabaseFields = "No database fields available for this screen";
inline constexpr const char* kNoLocalFields = "No local fields available for this screen";
inline constexpr const char* kNoGlobalFields = "No global fields available for this program";
inline constexpr const char* kCouldNotAddPrompt = "Could not add prompt here";
inline constexpr const char* kCouldNotAddField = "Could not add field here";
inline constexpr const char* kCouldNotAddTriggerDisplay = "Could not add trigger display here";
// A value becomes part of one statement line; these characters would end
// the line early and spill the rest into the file as statements of its own.
inline constexpr const char* kValueBreaksLine =
    "A value may not hold a line end, a carriage return or a NUL character; nothing was changed";

// A user value list: as an override statement holds it, and as messages
// describe it (cut with "..." before it passes its length).
inline constexpr const char* kUserListSeparator = ",";
inline constexpr const char* kUserListRangeJoin = "#";
inline constexpr const char* kUserListDescriptionRangeJoin = "->";
inline constexpr const char* kUserListAllowedPrefix = "Sub Cust Allowed - ";
inline constexpr const char* kUserListDisallowedPrefix = "Extra Cust Disallowed - ";
inline constexpr const char* kUserListCut = "...";
inline constexpr std::size_t kUserListDescriptionLength = 1015;

}  // namespace commands::texts
