#pragma once
// The texts that compiled program access shows to users, in one place.

namespace program::texts {

inline constexpr const char* kCantOpen = "Can't open %s (errno=%d)";
inline constexpr const char* kErrorReadingHeaderOf = "Error reading header of - %s";
inline constexpr const char* kErrorReadingHeaderBatch = "Error reading header\n";
inline constexpr const char* kNotCorrectFormat = "Not the correct operation table format";
inline constexpr const char* kMagicNumberWas = "Magic number was 0x%lx (needed 0x%lx)";
inline constexpr const char* kCantAllocate = "Can't allocate header for program";
inline constexpr const char* kErrorSeeking = "Error seeking to start of op. table";
inline constexpr const char* kErrorReadingHeaderInfo = "Error reading header info.";
inline constexpr const char* kIllegalTextNumber = "Internal error: illegal text number";

inline constexpr const char* kNoScreen = "Sorry, there is no screen in this program.";
inline constexpr const char* kNoDataGrid = "Sorry, there is no datagrid in this program.";
inline constexpr const char* kNoProcedure = "Sorry, there is no procedure in this program.";
inline constexpr const char* kNoMenu = "Sorry, there is no menu in this program.";
inline constexpr const char* kEditWindowOpen =
    "You have a edit SCF file window opened, please close that before you select another screen.";

inline constexpr const char* kTypeScreen = "Screen";
inline constexpr const char* kTypeReviewScreen = "Screen(Review)";
inline constexpr const char* kTypeDataGrid = "Data Grid";
inline constexpr const char* kTypeMenu = "Menu";
inline constexpr const char* kTypeProcedure = "Procedure";

// Screen decoding.
inline constexpr const char* kScreenNotFound = "Screen %s not found";
inline constexpr const char* kAllowedPrefix = "Allowed - ";
inline constexpr const char* kDisallowedPrefix = "Disallowed - ";
inline constexpr const char* kRangeJoin = " -> ";
inline constexpr const char* kValueSeparator = ", ";
inline constexpr const char* kSubscriptedName = "%s[%d]";
inline constexpr const char* kDefaultPicture = "x";
inline constexpr const char* kListCaptionEnd = ":";
inline constexpr char kModeOrderSeparator = ',';

// Message texts of the entry.
inline constexpr const char* kPromptPrefix = " prompt ";
inline constexpr const char* kPrintPrefix = "print ";
inline constexpr const char* kPrintAt = " @";
inline constexpr const char* kPrintAtSeparator = ",";
inline constexpr const char* kPrintInColumn = " in column ";

}  // namespace program::texts
