#pragma once
// The texts the trigger test shows.

namespace triggers::texts {

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
inline constexpr const char* kCancel = "&Cancel";

inline constexpr const char* kDispatchError = "IDispatch error #%d";
inline constexpr const char* kUnknownError = "Unknown error 0x%0lX";
inline constexpr const char* kExceptionError = "The trigger could not be tested because of this error:";
inline constexpr const char* kMiscellaneousError =
    "The trigger could not be tested because of this miscellaneous Error:";
// Pressing "Launch Trigger" without a runtime must not pass for a launch.
inline constexpr const char* kRuntimeUnavailable =
    "The trigger could not be tested because the runtime's automation server is not available.";

}  // namespace triggers::texts
