#pragma once
// The texts the list dialogs show to users, in one place.

namespace lists::texts {

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

}  // namespace lists::texts
