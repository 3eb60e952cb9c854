#pragma once
// The texts of the trigger dialogs: the wizard, the definition dialog and
// the trigger test.

namespace triggers::texts {

inline constexpr const char* kWizardTitle = "Build Trigger Wizard";
inline constexpr const char* kStepProgramType = "Select Program Type";
inline constexpr const char* kStepProgram = "Select Program to Execute";
inline constexpr const char* kStepParameters = "Add Parameters";
inline constexpr const char* kStepOf = "Step %1 of 3";

inline constexpr const char* kBack = "< Back";
inline constexpr const char* kNext = "&Next >";
inline constexpr const char* kFinish = "Finish";
inline constexpr const char* kCancel = "&Cancel";

inline constexpr const char* kProgramLabel = "Program:";
inline constexpr const char* kBrowse = "Browse";
inline constexpr const char* kVerify = "Verify";
inline constexpr const char* kSelectFiles = "Select Files";
inline constexpr const char* kCompiledFilter = "ORVALE File(*.op*);;All Files(*.*)";
inline constexpr const char* kAllFilter = "All Files(*.*)";

inline constexpr const char* kParametersLabel = "Parameters:";
inline constexpr const char* kAddLiteral = "Add Literal Parameter";
inline constexpr const char* kAddField = "Add field Parameter";
inline constexpr const char* kRemove = "Remove";
inline constexpr const char* kMoveItem = "Move Item";
inline constexpr const char* kParameterLabel = "Parameter:";
inline constexpr const char* kGlobalFields = "Global fields:";

inline constexpr const char* kNoProgramType =
    "Please select program type before go to next step or Use CANCEL button to cancel";
inline constexpr const char* kNoProgram =
    "Please select program name before go to next page to add parameters";
inline constexpr const char* kLineTooLong =
    "All the params after(also include) this one %d--'%s' could not be written into scf file "
    "because the param line is too long now.";

inline constexpr const char* kWizardHelpTopic = "::/Triggers.htm";

// The trigger definition dialog.
inline constexpr const char* kTriggerType = "Trigger Type:";
inline constexpr const char* kProgramType = "Program Type:";
inline constexpr const char* kProgramToRun = "Program to run:";
inline constexpr const char* kParametersLine = "Parameters Line:";
inline constexpr const char* kAddFieldParameter = "Add Field Parameter";
inline constexpr const char* kBuildCommandWizard = "Build Command Wizard";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancelButton = "Cancel";
inline constexpr const char* kValidation = "Validation";
inline constexpr const char* kOrvaleFilter = "ORVALE File(*.op*);;All Files(*.*)";
inline constexpr const char* kAllFilesFilter = "All Files(*.*)";
inline constexpr const char* kOrvaleInitialName = "*.op*";
inline constexpr const char* kAllInitialName = "*.*";

// The program edit holds at most this many characters.
inline constexpr int kProgramLength = 79;

// The trigger test.
inline constexpr const char* kValidationTitle = "Trigger Validation";
inline constexpr const char* kInstruction =
    "Select a parameter from the list to set its value. Use the Set Value button to update the values. Once the "
    "required values are set  you can test your trigger program using the Launch Trigger button.";
inline constexpr const char* kParamColumn = "Param";
inline constexpr const char* kValueColumn = "Value";
inline constexpr const char* kParameterCaption = "Parameter :";
inline constexpr const char* kValueCaption = "Value :";
inline constexpr const char* kSetValue = "Set Value";
inline constexpr const char* kDataDirectoryCaption = "Data Directory :";
inline constexpr const char* kLaunchTrigger = "Launch Trigger";
inline constexpr const char* kSave = "&Save";

inline constexpr const char* kDispatchError = "IDispatch error #%d";
inline constexpr const char* kUnknownError = "Unknown error 0x%0lX";
inline constexpr const char* kExceptionError = "The trigger could not be tested because of this error:";
inline constexpr const char* kMiscellaneousError =
    "The trigger could not be tested because of this miscellaneous Error:";
// Pressing "Launch Trigger" without a runtime must not pass for a launch.
inline constexpr const char* kRuntimeUnavailable =
    "The trigger could not be tested because the runtime's automation server is not available.";

// Launch Trigger without a "RuntimeLauncher" and without the runtime: the
// trigger's own program runs here, or one of these says why it cannot.
inline constexpr const char* kNotAProgramType =
    "The trigger could not be tested: an ORVALE program or a data grid export runs only inside the 4GL runtime, "
    "whose automation server is not available here. A program named in RuntimeLauncher can try it (see Help).";
inline constexpr const char* kNoProgramToRun = "The trigger could not be tested: it names no program to run.";
inline constexpr const char* kNotExecutableHere =
    "The trigger could not be tested: %s is not a program this computer can run. A client program runs on the "
    "user's desktop; a program named in RuntimeLauncher can try it (see Help).";
inline constexpr const char* kNoDataDirectoryHere =
    "The trigger could not be tested: the data directory %s does not exist here.";

// The run of a program started by Launch Trigger, below the parameters.
inline constexpr const char* kRunCaption = "Trigger run";
inline constexpr const char* kRunOutput = "Output";
inline constexpr const char* kRunCommand = "Command";
inline constexpr const char* kStop = "S&top";
inline constexpr const char* kRunning = "Running...";
inline constexpr const char* kRunningIn = "Running in %1...";
inline constexpr const char* kExitStatus = "Ended with exit status %1.";
inline constexpr const char* kStopped = "Stopped.";
inline constexpr const char* kEndedBySignal = "Ended by a signal.";
inline constexpr const char* kNotStarted = "Could not be started: %1";
inline constexpr const char* kOutputCut = "\n[The rest of the output is not shown: it passed %1 bytes.]\n";

// Trigger program verification.
inline constexpr const char* kProgramVerified = "Program Verified.";
inline constexpr const char* kProgramDoesNotExist = "%s does not exist";
// The apostrophe is the code page 1252 right single quotation mark.
inline constexpr const char* kProgramRefused =
    "File\x92s sharing mode does not allow specified operations, or given path is directory";

}  // namespace triggers::texts
