#pragma once
// Every command of the main window in one table: its id, text, shortcut,
// status-bar prompt ("status text\ntool tip"), icon and enable rule. Menus,
// toolbars, the customisation dialog and tests are built from it and find
// actions by id (the id is also the action's objectName).

#include <QKeySequence>

#include <span>

class QAction;
class QObject;

namespace shell {

enum class ActionId {
    Save, SaveAs, OpenProgram, OpenOverrideFile, MapNetworkDrive, Preferences, Exit,
    Undo, Redo, Cut, Copy, Paste, Find, EditScreenScf,
    StandardToolbar, CustomiserToolbar, StatusBar, OutlookBar, ProblemsView,
    SkinDefault, SkinOfficeXp, SkinOffice2003, SplitCurrentForm, SplitFormAndProcedures,
    Legend, Customize,
    PromptSweep, About, Help,
    HighlightChanges, Properties, AddDataEntryField, UnsuppressField,
    AddDatabaseField, AddGlobalField, AddLocalField, AddPrompt, AddBox, AddMode,
    FieldTrigger, DisplayTrigger, ModifyConfirm, ModeFromList, ScreenTitle, Suppress, Rename,
    OptionTrigger, ModeTrigger, ModeTriggerFromList, ScreenTrigger,
    ListMessages,
    SelectAll, AlignLeft, AlignRight, AlignTop, AlignBottom, MakeSameWidth, SpaceEvenlyDown,
    ExportReviewReport, ShowOriginal,
};

// When an action can be used.
enum class EnableRule {
    Always,
    Later,  // shown and never enabled: the customiser has no clipboard commands
    // The document's state decides (refreshed after every change):
    Modified,      // statements changed since the last save
    ProgramOpen,   // a program is loaded
    UndoSteps,     // the current entry's undo counter is non-zero
    RedoSteps,     // the current entry's redo counter is non-zero
    CurrentEntry,  // an entry is shown and no hand edit is running
    Canvas,  // a canvas command: enabled as the current screen's canvas says
};

struct ActionSpec {
    ActionId id;
    const char* objectName;
    const char* text;    // the menu text, without its shortcut
    const char* shortcut;  // as the menu shows it; empty for none
    QKeySequence::StandardKey standardKey;  // the platform's own keys too
    const char* prompt;  // "status text\ntool tip"
    const char* icon;    // a desktop icon theme name; empty for a text button
    EnableRule rule;
    bool checkable;
};

std::span<const ActionSpec> FrameActions();
const ActionSpec& Spec(ActionId id);

// The action of a table row, with its texts, keys and accessible name.
QAction* CreateAction(const ActionSpec& spec, QObject* parent);

}  // namespace shell
