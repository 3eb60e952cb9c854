#pragma once
// The texts of the customiser's main window and its dialogs, in one place.
// Menu item texts and prompts live with their actions (frame_actions.h).

namespace shell::texts {

// The document string: title, filter name and extension of programs.
inline constexpr const char* kApplicationTitle = "ORVALE-Kx Screen Customiser";
inline constexpr const char* kProgramFilter = "ORVALE Program (*.op6)";
inline constexpr const char* kOpenProgramTitle = "Open Program";

// Menus.
inline constexpr const char* kFileMenu = "&File";
inline constexpr const char* kEditMenu = "&Edit";
inline constexpr const char* kViewMenu = "&View";
inline constexpr const char* kToolsMenu = "&Tools";
inline constexpr const char* kHelpMenu = "&Help";
inline constexpr const char* kSelectSkinMenu = "Select Skin";
inline constexpr const char* kSplitScreenMenu = "S&plit Screen";

// Toolbars, browser and status bar.
inline constexpr const char* kStandardToolbar = "Standard";
inline constexpr const char* kCustomiserToolbar = "Tessellar";
inline constexpr const char* kCustomizeButton = "Customize...";
inline constexpr const char* kLegendLabel = "Legend";
inline constexpr const char* kBrowserTitle = "Program Browser";
inline constexpr const char* kSeqColumn = "Seq";
inline constexpr const char* kTypeColumn = "Type    ";
inline constexpr const char* kNameColumn = "Name      ";
inline constexpr const char* kSelectionPaneInitial = "Select";
inline constexpr const char* kCapsPane = "CAP";
inline constexpr const char* kNumPane = "NUM";
inline constexpr const char* kScrollPane = "SCRL";
inline constexpr const char* kCanvasName = "Screen canvas";
inline constexpr const char* kReady = "Ready";
// The Problems panel below the screen and its status pane.
inline constexpr const char* kProblemsTitle = "Problems";
inline constexpr const char* kProblemColumn = "Problem";
inline constexpr const char* kApplyFix = "Apply Fix";
inline constexpr const char* kApplyAllCertainFixes = "Apply All Certain Fixes";
inline constexpr const char* kLineColumn = "Line";
inline constexpr const char* kProblemsPaneName = "Problem count";

// "Tessellar File Path".
inline constexpr const char* kFilePathTitle = "Tessellar File Path";
inline constexpr const char* kFilePathMessage = "Please select path where your Tessellar file is to be saved";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Cancel";

// "Open a Tessellar File".
inline constexpr const char* kOpenOverrideTitle = "Open a Tessellar File";
inline constexpr const char* kOverrideFilters[] = {"Tessellar File(*.scf)", "ORVALE Program (*.op6)",
                                                   "All Files(*.*)"};
inline constexpr const char* kOverrideExtension = "scf";

// Find.
inline constexpr const char* kFindTitle = "Find";
inline constexpr const char* kFindWhat = "Fi&nd what:";
inline constexpr const char* kFindNext = "&Find Next";
inline constexpr const char* kMatchWholeWord = "Match &whole word only";
inline constexpr const char* kMatchCase = "Match &case";
inline constexpr const char* kDirection = "Direction";
inline constexpr const char* kUp = "&Up";
inline constexpr const char* kDown = "&Down";

// Preferences and About.
inline constexpr const char* kPreferencesTitle = "Preferences";
inline constexpr const char* kLaunchWarning = "F7 Launch Warning";
inline constexpr const char* kProblemsInPanel = "Show override problems in the Problems panel instead of message boxes";
inline constexpr const char* kAboutTitle = "About Screen Customiser";
inline constexpr const char* kVersionLine = "Version %s";

// Toolbar customisation.
inline constexpr const char* kCustomizeTitle = "Customize";
inline constexpr const char* kToolbarLabel = "&Toolbar:";
inline constexpr const char* kAvailableButtons = "Available buttons:";
inline constexpr const char* kToolbarButtons = "Toolbar buttons:";
inline constexpr const char* kAddButton = "&Add ->";
inline constexpr const char* kRemoveButton = "<- &Remove";
inline constexpr const char* kMoveUpButton = "Move &Up";
inline constexpr const char* kMoveDownButton = "Move &Down";
inline constexpr const char* kResetButton = "R&eset";
inline constexpr const char* kSeparator = "Separator";
inline constexpr const char* kClose = "Close";

// "&Prompt Sweep".
inline constexpr const char* kPromptSweepProgram = "promptsweep_ui";
inline constexpr const char* kCreateProcessFailed = "CreateProcess failed,could not open promptsweep_ui.exe.";
inline constexpr const char* kQuitWhileWaiting =
    "The SCF file is currently open for edit. Please close the edit window before you close this message box.";

// Undo and redo drop-downs.
inline constexpr const char* kUndoButton = "&Undo";
inline constexpr const char* kRedoButton = "&Redo";
inline constexpr const char* kUndoActions = "Undo %d Actions";
inline constexpr const char* kRedoActions = "Redo %d Actions";
inline constexpr const char* kUndoListName = "Undo list";
inline constexpr const char* kRedoListName = "Redo list";

// Saving and closing.
inline constexpr const char* kSaveAsTitle = "Save As";
inline constexpr const char* kSaveAsFilters[] = {"Tessellar File(*.scf)", "All Files(*.*)"};
inline constexpr const char* kSaveChanges = "Save the changes to %s?";
inline constexpr const char* kUnsavedMark = "[*]";

// "&Edit Current Screen SCF File".
inline constexpr const char* kVisualVariable = "VISUAL";
inline constexpr const char* kEditorNotStarted = "Could not start the editor %s.";
inline constexpr const char* kEditorSave = "&Save";
inline constexpr const char* kEditorClose = "&Close";
inline constexpr const char* kEditorTextName = "Screen file text";
inline constexpr const char* kEditorNotSaved = "Could not save %s.";

// "Add Mod&e": the program's modes the screen can take.
inline constexpr const char* kAddModeTitle = "Add Mode";
inline constexpr const char* kAddModeLabel = "Program modes:";

}  // namespace shell::texts
