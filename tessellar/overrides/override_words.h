#pragma once
// The words of the override file: section headers, item keywords, keys and
// value words, exactly as the file spells them. Header only and without
// includes, so that a tool writing override statements (the batch tool)
// shares them without linking the override library.

namespace overrides::texts {

// Section header words.
inline constexpr const char* kScreen = "screen";
inline constexpr const char* kMenu = "menu";
inline constexpr const char* kProcedure = "procedure";

// Item keywords.
inline constexpr const char* kWindow = "window";
inline constexpr const char* kBox = "box";
inline constexpr const char* kDisplay = "display";
inline constexpr const char* kAccept = "accept";
inline constexpr const char* kOption = "option";
inline constexpr const char* kMode = "mode";
inline constexpr const char* kConfirm = "confirm";
inline constexpr const char* kMessage = "message";
inline constexpr const char* kTrigger = "trigger";
inline constexpr const char* kItemKeywords[] = {kWindow, kBox,     kDisplay, kAccept, kOption,
                                                kMode,   kConfirm, kMessage, kTrigger};

// Keys.
inline constexpr const char* kTriggerPoint = "trigger_point";
inline constexpr const char* kTag = "tag";
inline constexpr const char* kName = "name";
inline constexpr const char* kOrigText = "orig_text";
inline constexpr const char* kOrigCoordinate = "orig_coordinate";
inline constexpr const char* kSuppress = "suppress";
inline constexpr const char* kAdd = "add";
inline constexpr const char* kReadonly = "readonly";
inline constexpr const char* kDefault = "default";
inline constexpr const char* kFilter = "filter";
inline constexpr const char* kAllowed = "allowed";
inline constexpr const char* kDisallowed = "disallowed";
inline constexpr const char* kPicture = "picture";
inline constexpr const char* kCoordinate = "coordinate";
inline constexpr const char* kWindowSize = "window_size";
inline constexpr const char* kColumnNumber = "column_number";
inline constexpr const char* kColor = "color";
inline constexpr const char* kScale = "scale";
inline constexpr const char* kAttributes = "attributes";
inline constexpr const char* kText = "text";
inline constexpr const char* kNewPromptText = "new_prompt_text";
inline constexpr const char* kNewPromptCoord = "new_prompt_coord";
inline constexpr const char* kHelpline = "helpline";
inline constexpr const char* kTitle = "title";
inline constexpr const char* kRun = "run";
inline constexpr const char* kType = "type";

// Value words.
inline constexpr const char* kTrue = "true";
inline constexpr const char* kFalse = "false";
inline constexpr const char* kToday = "today";
inline constexpr const char* kLoginId = "login-id";

}  // namespace overrides::texts
