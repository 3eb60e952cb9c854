#pragma once
// The texts of the override file and of applying it that users and files
// see, in one place: item keywords, keys, value words and messages.

namespace overrides::texts {

// The one comment line the customiser writes at the top of a file.
inline constexpr const char* kFileHeader = "#ORVALE Screen Customiser File (Override statements only).\n";

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

// The trigger point and trigger type words are in trigger_words.h.

// Messages shown while applying a section.
inline constexpr const char* kCouldNotOverrideMessage = "Could not override this message \"%s \"";
inline constexpr const char* kAllowedAndDisallowed =
    "Screen cust: Can't have both allowed and disallowed for same field";

// Work files.
inline constexpr const char* kOpenFailedOnTmpFile = "open failed on tmp file\n";
inline constexpr const char* kCouldNotDeleteFile = "Could not delete file %s";
inline constexpr const char* kWorkFilePrefix = "ZZZ_";
inline constexpr const char* kWorkFileExtension = ".tmp";
inline constexpr const char* kWorkingCopyExtension = ".bck";
inline constexpr const char* kEditCopyExtension = ".txt";
inline constexpr const char* kOverrideFileExtension = ".scf";

// Saving.
inline constexpr const char* kCouldNotOpenBackUp = "could not open back up for tessellar file --%s";
inline constexpr const char* kCouldNotOpenOverrideFile = "could not open screen customiser file --%s";
// The per-process directory that holds the work files, under TEMP.
inline constexpr const char* kWorkDirectoryPrefix = "tessellar-";

}  // namespace overrides::texts
