#pragma once
// The texts the trigger definition dialog shows.

namespace triggers::texts {

inline constexpr const char* kTriggerType = "Trigger Type:";
inline constexpr const char* kProgramType = "Program Type:";
inline constexpr const char* kProgramToRun = "Program to run:";
inline constexpr const char* kBrowse = "Browse";
inline constexpr const char* kVerify = "Verify";
inline constexpr const char* kParametersLine = "Parameters Line:";
inline constexpr const char* kAddFieldParameter = "Add Field Parameter";
inline constexpr const char* kBuildCommandWizard = "Build Command Wizard";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Cancel";
inline constexpr const char* kRemove = "Remove";
inline constexpr const char* kValidation = "Validation";
inline constexpr const char* kGlobalFields = "Global fields:";
inline constexpr const char* kSelectFiles = "Select Files";
inline constexpr const char* kOrvaleFilter = "ORVALE File(*.op*);;All Files(*.*)";
inline constexpr const char* kAllFilesFilter = "All Files(*.*)";
inline constexpr const char* kOrvaleInitialName = "*.op*";
inline constexpr const char* kAllInitialName = "*.*";

// The program edit holds at most this many characters.
inline constexpr int kProgramLength = 79;

}  // namespace triggers::texts
