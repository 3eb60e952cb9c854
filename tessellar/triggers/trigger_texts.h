#pragma once
// The texts of the trigger wizard and the field placement dialog.

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

inline constexpr const char* kUnsuppressTitle = "Unsuppress Field";
inline constexpr const char* kFieldName = "Field Name:";
inline constexpr const char* kRow = "Row:";
inline constexpr const char* kColumn = "Col:";
inline constexpr const char* kRowWarning = "Warning:";
inline constexpr const char* kColumnWarning = "WARNING:";
inline constexpr const char* kOverlay = "FIELD OVERLAY AT ROW %d, COL %d.";
inline constexpr int kUnsuppressHelpContext = 25;

}  // namespace triggers::texts
