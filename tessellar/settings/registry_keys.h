#pragma once
// The registry keys and value names Tessellar reads and writes.

namespace settings::keys {

// Current user.
inline constexpr const char* kSettings = "SOFTWARE\\ORVALE\\Settings";
inline constexpr const char* kFontNorm = "font_norm";
inline constexpr const char* kColor = "SOFTWARE\\ORVALE\\Color";
inline constexpr const char* kApplication = "SOFTWARE\\ORVALE\\Tessellar";
inline constexpr const char* kLaunchMessage = "LaunchMessage";
inline constexpr const char* kLaunchMessageOn = "YES";
inline constexpr const char* kLaunchMessageOff = "NO";
// Override problems go to the Problems panel instead of message boxes ("YES"/"NO").
inline constexpr const char* kProblemsInPanel = "ProblemsInPanel";
inline constexpr const char* kTriggerParameters = "SOFTWARE\\ORVALE\\TESSELLAR\\Trigger\\Parameters";

// Local machine.
inline constexpr const char* kEnvironment = "SOFTWARE\\ORVALE\\Environment";
inline constexpr const char* kScfPath = "SCFPATH";
inline constexpr const char* kEditor = "EDIT";
// The batch front end names the same key in this spelling; the Windows
// registry does not tell them apart, the settings files here do.
inline constexpr const char* kEnvironmentAsFrontEndSpellsIt = "Software\\ORVALE\\Environment";
inline constexpr const char* kExecutablePathPrefix = "SOFTWARE\\ORVALE\\TESSEL\\Path_";
inline constexpr const char* kExecutablePathSuffix = "op6";
inline constexpr const char* kMapping = "SOFTWARE\\ORVALE\\TESSEL\\Mapping";

// Classes root.
inline constexpr const char* kHelpControl = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";

}  // namespace settings::keys
