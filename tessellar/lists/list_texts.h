#pragma once
// The texts of the screen's list dialogs.

namespace lists::texts {

// The suppressed field list and its data entry use.
inline constexpr const char* kSuppressedTitle = "List of Suppressed Fields";
inline constexpr const char* kDataEntryTitle = "Data Entry Fields";
inline constexpr const char* kUnsuppressButton = "Unsuppress";
inline constexpr const char* kCancelButton = "Cancel";

// The marks that close each line and tell its item kind.
inline constexpr const char* kDisplayMark = "(display)";
inline constexpr const char* kPromptMark = "(prompt)";
inline constexpr const char* kAcceptMark = "(accept)";
inline constexpr const char* kOptionMark = "(option)";
inline constexpr const char* kModeMark = "(mode)";
inline constexpr const char* kBoxWord = "Box";

inline constexpr const char* kTagFormat = "Tag = %d";
inline constexpr const char* kCoordinateFormat = "Coordinate %d,%d";
inline constexpr const char* kAddedPromptFormat = "\"%s\",Coordinate %d,%d";
inline constexpr const char* kBoxFormat = "Box (Coordinate %d,%d)";

// "List Screen Messages".
inline constexpr const char* kMessageListTitle = "List Screen Messages";
inline constexpr const char* kOverrideColumn = "Override";
inline constexpr const char* kOriginalColumn = "Original";
inline constexpr const char* kTypeColumn = "Type";
inline constexpr const char* kIdColumn = "Id";
inline constexpr const char* kAllMessages = "All Messages";
inline constexpr const char* kOverriddenMessages = "Overridden Messages";
inline constexpr const char* kResetItem = "Reset Item";
inline constexpr const char* kResetAll = "Reset All";
inline constexpr const char* kMessageWord = "message";
inline constexpr const char* kAcknowledgeWord = "acknowledge";
inline constexpr const char* kAbortWord = "abort";
inline constexpr const char* kPrintWord = "print";
inline constexpr const char* kPromptWord = "prompt";
inline constexpr int kMessageListHelp = 23;

// The placement dialog of a field brought back onto the screen.
inline constexpr const char* kUnsuppressTitle = "Unsuppress Field";
inline constexpr const char* kFieldName = "Field Name:";
inline constexpr const char* kRow = "Row:";
inline constexpr const char* kColumn = "Col:";
inline constexpr const char* kRowWarning = "Warning:";
inline constexpr const char* kColumnWarning = "WARNING:";
inline constexpr const char* kOverlay = "FIELD OVERLAY AT ROW %d, COL %d.";
inline constexpr int kUnsuppressHelpContext = 25;

}  // namespace lists::texts
