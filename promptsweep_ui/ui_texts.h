#pragma once
// The texts that the batch front end shows or writes, in one place. Core
// texts are code page 1252 bytes; the window side converts them.

namespace sweepui::texts {

inline constexpr const char* kProductName = "Prompt Sweep";
inline constexpr const char* kVersionPrefix = " - Ver. ";

// Main window.
inline constexpr const char* kPathLabel = "Path to Process:";
inline constexpr const char* kBrowse = "...";
inline constexpr const char* kFindColumn = "Find";
inline constexpr const char* kReplaceColumn = "Replace With";
inline constexpr const char* kAdd = "Add";
inline constexpr const char* kEdit = "Edit";
inline constexpr const char* kDelete = "Delete";
inline constexpr const char* kLocateProgramDirectory = "Directory Where Programs Found";
inline constexpr const char* kLocateStructure = "Directory Structure under Nominated Directory :";
inline constexpr const char* kLocateAllInOne = "All in the Nominated Directory";
inline constexpr const char* kPlaceFilesIn = "Place SCF Files in : ";
inline constexpr const char* kReportOnly = "Report Only Mode";
inline constexpr const char* kExcludeSubDirectories = "Exclude Sub Directories";
inline constexpr const char* kOverride = "Override Previous Replacement (Same String)";
inline constexpr const char* kGo = "OK";
inline constexpr const char* kExit = "Cancel";
inline constexpr const char* kHelp = "Help";
inline constexpr const char* kViewLog = "View Log";
// The front end's own additions: what the progress row and the two browse
// buttons say to a screen reader.
inline constexpr const char* kProgressName = "Progress";
inline constexpr const char* kProgramsProcessed = "Programs processed: %d";
inline constexpr const char* kBusyName = "Sweep running";
inline constexpr const char* kResultsName = "Console lines of the run";
inline constexpr const char* kChooseStartDirectory = "Choose the directory to process";
inline constexpr const char* kChooseOutputDirectory = "Choose the directory for the SCF files";

// Edit and tips forms.
inline constexpr const char* kEditTitle = "Prompt Sweep Request";
inline constexpr const char* kFindLabel = "Find:";
inline constexpr const char* kReplaceLabel = "Replace With:";
inline constexpr const char* kTipsTitle = "Please Note ...";
inline constexpr const char* kDontShowTipAgain = "Dont Show me this Tip again";
inline constexpr const char* kTipsOk = "Ok";
inline constexpr const char* kStartTip =
    "Before you begin you should familiarise yourself with the Overview and Global Replacement Rules...";
inline constexpr const char* kLongerTip =
    "Please Note: The NEW Text is LONGER than the OLD.\r\nThis may result in text that overlays other Screen objects.";
inline constexpr const char* kSameReplacement = "The REPLACEMENT text needs to be different to the Find text";
inline constexpr const char* kLineBreakInPair =
    "The Find and REPLACEMENT texts cannot hold a line end or a carriage return";
inline constexpr const char* kConfirmDeletePrefix = "Ok to remove '";
inline constexpr const char* kConfirmDeleteSuffix = "'";

// Validation.
inline constexpr const char* kNoPath = "- You must specify a valid PATH to PROCESS first";
inline constexpr const char* kInvalidPath = "- INVALID DIRECTORY - You must specify a VALID PATH to PROCESS first";
inline constexpr const char* kNoPairs = "- You must specify Strings to Find and Replace";
inline constexpr const char* kNoOutputDirectory = "- Please ensure you specify an OUTPUT DIRECTORY";
inline constexpr const char* kLineEnd = "\r\n";

// Run.
inline constexpr const char* kListShortPathMissing = "INTERNAL ERROR: ShortPathing problem - File not found: ";
inline constexpr const char* kCannotMakeOutput = "Cannot make Output Directory:";
inline constexpr const char* kToolShortPathMissing = "INTERNAL ERROR: Short path to promptsweep.exe";
inline constexpr const char* kProgramNotFound = "Program Not Found: ";
inline constexpr const char* kShortPathOpen = "( Shortpath: ";
inline constexpr const char* kShortPathClose = ")";
inline constexpr const char* kStartingProcess = " Starting Process ";
inline constexpr const char* kStartupDot = ".";
inline constexpr const char* kProcessStarted = " <Process Started>";
inline constexpr const char* kFinishedMarker = "Process Finished";
inline constexpr const char* kProcessFinished = " Process Finished";
inline constexpr const char* kOpeningLog = " Please Wait - Opening Log File ";
inline constexpr const char* kFailedToStart = "ERROR: Process failed to start";
inline constexpr const char* kConfirmExitTitle = "Confirm Exit";
inline constexpr const char* kConfirmExit =
    "Your replacement process is currently running.\r\n"
    "Cancelling at this point has the potential to corrupt SCF files.\r\n"
    "Additionally some SCF files will not have been updated.\r\n"
    "\r\n"
    "Are you sure you want to Exit now ?";

// Files and their failures.
inline constexpr const char* kCannotSaveList = "ERROR: Unable to SAVE the Requested Replacement List";
inline constexpr const char* kCannotSaveSettings = "Unable to Save Settings";
inline constexpr const char* kNoLogPath = "Unable to find Log File";
inline constexpr const char* kLogNotFound = "Log File not found:";
inline constexpr const char* kFileNotFound = "File not found";
inline constexpr const char* kNoAssociation = "No program is associated with this file";
inline constexpr const char* kCannotRunAssociation = "Unable to find or execute program associated with ";
inline constexpr const char* kNoHelp =
    "Unable to display Help Contents. There is no Help associated with this project.";

// Names of files, registry keys and values.
inline constexpr const char* kListFileName = "replacelist.txt";
inline constexpr const char* kSettingsFileName = "promptsweep.ini";
inline constexpr const char* kConsoleCopyName = "scfconsole.tmp";
inline constexpr const char* kRunLogName = "promptsweeplog.txt";
inline constexpr const char* kToolName = "promptsweep";
inline constexpr const char* kCheckerName = "scfcheck";
inline constexpr const char* kTipsKey = "SOFTWARE\\ORVALE\\PROMPTSWEEP\\Settings";
inline constexpr const char* kStartTipValue = "Tip2";
inline constexpr const char* kLongerTipValue = "Tip1";
inline constexpr const char* kTipOff = "0";
inline constexpr const char* kEnvironmentKey = "Software\\ORVALE\\Environment";
inline constexpr const char* kEditorValue = "EDIT";
inline constexpr const char* kDebugWord = "-debug";
inline constexpr const char* kDiffSwitch = "--diff";

// The preview of a run: the tool's diff of every SCF file it would create
// or change, in a viewer.
inline constexpr const char* kPreview = "Preview";
inline constexpr const char* kPreviewTitle = "Prompt Sweep - Preview";
inline constexpr const char* kPreviewFiles = "SCF files that would change";
inline constexpr const char* kPreviewDiff = "Changes";
inline constexpr const char* kPreviewNotes = "Notes";
inline constexpr const char* kPreviewNothing = "No SCF file would change.";
inline constexpr const char* kPreviewFailed = "The preview could not be made:\r\n";

// Checking the override files a run wrote.
inline constexpr const char* kCheckFiles = "Check the override files";
inline constexpr const char* kCheckTitle = "Override File Check";
inline constexpr const char* kCheckClean = "No problems: every override file fits its program.";
inline constexpr const char* kCheckFoundOne = " problem found in the override files:";
inline constexpr const char* kCheckFoundMany = " problems found in the override files:";
inline constexpr const char* kCheckTrouble = "The check could not read every program or override file:";
inline constexpr const char* kCheckFailed = "The check could not be run:\r\n";
inline constexpr const char* kCheckFindingsName = "Findings";
inline constexpr const char* kSaveAs = "Save As...";
inline constexpr const char* kClose = "Close";
inline constexpr const char* kSavePreviewTitle = "Save the Preview As";
inline constexpr const char* kSavePreviewName = "promptsweep-preview.diff";
inline constexpr const char* kSavePreviewFilter = "Diff files (*.diff *.patch);;All files (*)";
inline constexpr const char* kCannotSavePreview = "Unable to save the preview to ";

}  // namespace sweepui::texts
