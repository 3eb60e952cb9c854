#include "tessellar/shell/frame_actions.h"

#include <QAction>
#include <QIcon>


namespace shell {
namespace {

using enum ActionId;
constexpr QKeySequence::StandardKey kNoKey = QKeySequence::UnknownKey;

// clang-format off
constexpr ActionSpec kActions[] = {
    {Save, "Save", "&Save", "Ctrl+S", QKeySequence::Save, "Save the active SCF file\nSave", "document-save", EnableRule::Modified, false},
    {SaveAs, "SaveAs", "Save &As...", "", QKeySequence::SaveAs, "Save the active SCF file with a new name\nSave As", "document-save-as", EnableRule::ProgramOpen, false},
    {OpenProgram, "OpenProgram", "&Open Program", "Ctrl+O", QKeySequence::Open, "Open an existing program\nOpen Program", "application-x-executable", EnableRule::Always, false},
    {OpenOverrideFile, "OpenOverrideFile", "Open Screen Customiser &File", "", kNoKey, "Open Screen Customiser File\nOpen Screen Customiser File", "folder-open", EnableRule::Always, false},
    {MapNetworkDrive, "MapNetworkDrive", "&Map Network Drive...", "", kNoKey, "Map Network Drive\nMap Network Drive", "network-server", EnableRule::Always, false},
    {Preferences, "Preferences", "Preferences", "", QKeySequence::Preferences, "Change the customiser's preferences\nPreferences", "preferences-system", EnableRule::Always, false},
    {Exit, "Exit", "E&xit", "", QKeySequence::Quit, "Quit the application; prompts to save the SCF file\nExit", "application-exit", EnableRule::Always, false},
    {Undo, "Undo", "&Undo", "Ctrl+Z", QKeySequence::Undo, "Undo the last action\nUndo", "edit-undo", EnableRule::UndoSteps, false},
    {Redo, "Redo", "&Redo", "Ctrl+Y", QKeySequence::Redo, "Redo the previously undone action\nRedo", "edit-redo", EnableRule::RedoSteps, false},
    {Cut, "Cut", "Cu&t", "Ctrl+X", QKeySequence::Cut, "Cut the selection and put it on the Clipboard\nCut", "edit-cut", EnableRule::Later, false},
    {Copy, "Copy", "&Copy", "Ctrl+C", QKeySequence::Copy, "Copy the selection and put it on the Clipboard\nCopy", "edit-copy", EnableRule::Later, false},
    {Paste, "Paste", "&Paste", "Ctrl+V", QKeySequence::Paste, "Insert Clipboard contents\nPaste", "edit-paste", EnableRule::Later, false},
    {Find, "Find", "&Find", "Ctrl+F", QKeySequence::Find, "Find a text in the screens of the active page\nFind", "edit-find", EnableRule::Always, false},
    {EditScreenScf, "EditScreenScf", "&Edit Current Screen SCF File", "", kNoKey, "Directly edit scf file for current screen\nEdit Current Screen", "accessories-text-editor", EnableRule::CurrentEntry, false},
    {StandardToolbar, "StandardToolbar", "Standard &Toolbar", "", kNoKey, "Show or hide the Standard toolbar\nToggle Standard Toolbar", "", EnableRule::Always, true},
    {CustomiserToolbar, "CustomiserToolbar", "&Screen Customiser Toolbar", "", kNoKey, "Show or hide the Screen Customiser toolbar\nToggle Screen Customiser Toolbar", "", EnableRule::Always, true},
    {StatusBar, "StatusBar", "&Status Bar", "", kNoKey, "Show or hide the status bar\nToggle Status Bar", "", EnableRule::Always, true},
    {OutlookBar, "OutlookBar", "&Outlook Bar", "", kNoKey, "Show or hide the program browser\nToggle Outlook Bar", "", EnableRule::Always, true},
    {ProblemsView, "ProblemsView", "&Problems", "", kNoKey, "Show or hide the override problems of the open program\nToggle Problems", "", EnableRule::Always, true},
    {SkinDefault, "SkinDefault", "&Default", "", kNoKey, "Use the default look\nDefault", "", EnableRule::Always, true},
    {SkinOfficeXp, "SkinOfficeXp", "Office &XP", "", kNoKey, "Use the Office XP look\nOffice XP", "", EnableRule::Always, true},
    {SkinOffice2003, "SkinOffice2003", "&Office2003", "", kNoKey, "Use the Office 2003 look\nOffice2003", "", EnableRule::Always, true},
    {SplitCurrentForm, "SplitCurrentForm", "Current &Form", "", kNoKey, "Show the current form only\nCurrent Form", "", EnableRule::Always, true},
    {SplitFormAndProcedures, "SplitFormAndProcedures", "Current Form and Proce&dures", "", kNoKey, "Show the current form and the program browser\nCurrent Form and Procedures", "", EnableRule::Always, true},
    {Legend, "Legend", "&Legend", "", kNoKey, "Display Legend for Highlight Change\nLegend", "", EnableRule::Always, false},
    {Customize, "Customize", "&Customize...", "", kNoKey, "Customize the toolbars\nCustomize", "", EnableRule::Always, false},
    {PromptSweep, "PromptSweep", "&Prompt Sweep", "", kNoKey, "Replace prompt texts in many programs at once\nPrompt Sweep", "edit-find-replace", EnableRule::Always, false},
    {About, "About", "&About Screen Customiser", "", kNoKey, "Display program information and version number\nAbout", "help-about", EnableRule::Always, false},
    {Help, "Help", "Screen Customiser Help", "F1", QKeySequence::HelpContents, "Open the Screen Customiser help\nHelp", "help-browser", EnableRule::Always, false},
    {HighlightChanges, "HighlightChanges", "Highlight Changes", "", kNoKey, "Highlight Changes Made to Current Screen.\nHighlight Changes", "format-text-bold", EnableRule::Always, true},
    {Properties, "Properties", "Properties", "", kNoKey, "Change object's properties\nProperties", "document-properties", EnableRule::Canvas, false},
    {AddDataEntryField, "AddDataEntryField", "Add Data Entry Field", "", kNoKey, "Add a field defined as accept suppressed.\nAdd Data Entry Field", "list-add", EnableRule::Canvas, false},
    {UnsuppressField, "UnsuppressField", "Unsuppress", "", kNoKey, "Unsuppress a field from suppressed fields list\nUnsuppress", "view-restore", EnableRule::Canvas, false},
    {AddDatabaseField, "AddDatabaseField", "&Database Fields for Screen", "", kNoKey, "Add a database field of this screen at the last right-click point\nAdd Database Field", "list-add", EnableRule::Canvas, false},
    {AddGlobalField, "AddGlobalField", "&Global Fields for Program", "", kNoKey, "Add a global field of the program at the last right-click point\nAdd Global Field", "list-add", EnableRule::Canvas, false},
    {AddLocalField, "AddLocalField", "&Local Fields for Screen", "", kNoKey, "Add a local field of this screen at the last right-click point\nAdd Local Field", "list-add", EnableRule::Canvas, false},
    {AddPrompt, "AddPrompt", "Add Pr&ompt", "", kNoKey, "Add a prompt at the last right-click point\nAdd Prompt", "insert-text", EnableRule::Canvas, false},
    {AddBox, "AddBox", "Add &Box", "", kNoKey, "Draw a new box on the screen\nAdd Box", "insert-object", EnableRule::Canvas, false},
    {AddMode, "AddMode", "Add Mod&e", "", kNoKey, "Add a program mode to the screen's mode line\nAdd Mode", "", EnableRule::Canvas, false},
    {FieldTrigger, "FieldTrigger", "Add/Modify &Field Trigger", "", kNoKey, "Add or change the trigger of the selected entry field\nField Trigger", "", EnableRule::Canvas, false},
    {DisplayTrigger, "DisplayTrigger", "Add/Modify Display Trigger", "", kNoKey, "Add or change the trigger of the selected display\nDisplay Trigger", "", EnableRule::Canvas, false},
    {ModifyConfirm, "ModifyConfirm", "Modify &Confirm", "", kNoKey, "Change the screen's confirm prompt\nModify Confirm", "", EnableRule::Canvas, false},
    {ModeFromList, "ModeFromList", "&Modify Mode From List", "", kNoKey, "Change a mode chosen from the screen's modes\nModify Mode From List", "", EnableRule::Canvas, false},
    {ScreenTitle, "ScreenTitle", "Add/Modify Screen Tit&le", "", kNoKey, "Add or change the screen's title\nScreen Title", "", EnableRule::Canvas, false},
    {Suppress, "Suppress", "&Suppress", "", kNoKey, "Hide the selected item\nSuppress", "list-remove", EnableRule::Canvas, false},
    {Rename, "Rename", "&Rename", "", kNoKey, "Change the selected text in place\nRename", "", EnableRule::Canvas, false},
    {OptionTrigger, "OptionTrigger", "Add/Modify Option Trigger", "", kNoKey, "Add or change the trigger of the selected menu option\nOption Trigger", "", EnableRule::Canvas, false},
    {ModeTrigger, "ModeTrigger", "Add/Modify Mode Trigger", "", kNoKey, "Add or change the trigger of the selected mode\nMode Trigger", "", EnableRule::Canvas, false},
    {ModeTriggerFromList, "ModeTriggerFromList", "Add/Modify Mo&de Trigger From List", "", kNoKey, "Add or change the trigger of a mode chosen from the screen's modes\nMode Trigger From List", "", EnableRule::Canvas, false},
    {ScreenTrigger, "ScreenTrigger", "Add/Modify Screen &Trigger", "", kNoKey, "Add or change the trigger of the screen\nScreen Trigger", "", EnableRule::Canvas, false},
    {ListMessages, "ListMessages", "List Screen &Messages", "", kNoKey, "List Screen Messages\nList Messages", "mail-read", EnableRule::CurrentEntry, false},
    {SelectAll, "SelectAll", "Select &All", "Ctrl+A", QKeySequence::SelectAll, "Select every item of the screen\nSelect All", "edit-select-all", EnableRule::Canvas, false},
    {AlignLeft, "AlignLeft", "Align Left", "Ctrl+Shift+Left", kNoKey, "Line up the selected items' left edges on the key item's\nAlign Left", "format-justify-left", EnableRule::Canvas, false},
    {AlignRight, "AlignRight", "Align Right", "Ctrl+Shift+Right", kNoKey, "Line up the selected items' right edges on the key item's\nAlign Right", "format-justify-right", EnableRule::Canvas, false},
    {AlignTop, "AlignTop", "Align Top", "Ctrl+Shift+Up", kNoKey, "Line up the selected items' top edges on the key item's\nAlign Top", "go-top", EnableRule::Canvas, false},
    {AlignBottom, "AlignBottom", "Align Bottom", "Ctrl+Shift+Down", kNoKey, "Line up the selected items' bottom edges on the key item's\nAlign Bottom", "go-bottom", EnableRule::Canvas, false},
    {MakeSameWidth, "MakeSameWidth", "Make Same Width", "Ctrl+Shift+W", kNoKey, "Give the selected fields the key item's width\nMake Same Width", "format-justify-fill", EnableRule::Canvas, false},
    {SpaceEvenlyDown, "SpaceEvenlyDown", "Space Evenly Down", "Ctrl+Shift+D", kNoKey, "Put equal row gaps between the top and bottom selected items\nSpace Evenly Down", "object-flip-vertical", EnableRule::Canvas, false},
    {ExportReviewReport, "ExportReviewReport", "&Export Review Report...", "", kNoKey, "Write the customised screens of the open program before and after, for a browser\nExport Review Report", "document-export", EnableRule::ProgramOpen, false},
    {ShowOriginal, "ShowOriginal", "Show &Original", "", kNoKey, "Show the current screen as the program draws it, without its statements\nShow Original", "", EnableRule::CurrentEntry, true},
};
// clang-format on

}  // namespace

std::span<const ActionSpec> FrameActions() { return kActions; }

const ActionSpec& Spec(ActionId id) {
    for (const ActionSpec& spec : kActions) {
        if (spec.id == id) return spec;
    }
    return kActions[0];
}

QAction* CreateAction(const ActionSpec& spec, QObject* parent) {
    auto* action = new QAction(QString::fromLatin1(spec.text), parent);
    action->setObjectName(QString::fromLatin1(spec.objectName));
    // The menu shows the key the system names; the platform's own keys work too.
    QList<QKeySequence> keys;
    if (*spec.shortcut != '\0') keys.append(QKeySequence(QString::fromLatin1(spec.shortcut)));
    if (spec.standardKey != QKeySequence::UnknownKey) {
        for (const QKeySequence& key : QKeySequence::keyBindings(spec.standardKey)) {
            if (!keys.contains(key)) keys.append(key);
        }
    }
    action->setShortcuts(keys);
    const QString prompt = QString::fromLatin1(spec.prompt);
    const qsizetype newline = prompt.indexOf(QLatin1Char('\n'));
    action->setStatusTip(prompt.left(newline));
    if (newline >= 0) action->setToolTip(prompt.mid(newline + 1));
    if (*spec.icon != '\0') action->setIcon(QIcon::fromTheme(QString::fromLatin1(spec.icon)));
    action->setCheckable(spec.checkable);
    action->setEnabled(spec.rule == EnableRule::Always);
    action->setIconVisibleInMenu(true);
    return action;
}

}  // namespace shell
