#pragma once
// The entry field sheet's own texts: its page captions, control labels,
// the filter comparisons and the field list dialog, exactly as users see them.

#include <cstddef>

namespace sheets::texts {

// The sheet that asks a field about to be hidden for its default.
inline constexpr const char* kHiddenFieldDefaultSheet = "Accept Field Default Value--";

// Page captions.
inline constexpr const char* kDefaultValuePage = "Default Value";
inline constexpr const char* kAllowPage = "Allow/Disallow";
inline constexpr const char* kFilterPage = "Filter";

// Default Value page.
inline constexpr const char* kDefaultFieldValue = "Default Field Value:";
inline constexpr const char* kLiteralValue = "Literal Value";
inline constexpr const char* kFieldSource = "Field";
inline constexpr const char* kFunctionSource = "Function";
inline constexpr const char* kBrowse = "&Browse...";
inline constexpr const char* kGlobalFieldsLabel = "Global fields:";
inline constexpr const char* kFunctionLoginId = "login-id";
inline constexpr const char* kFunctionToday = "today";
// A range of the program's allowed values in the drop-down.
inline constexpr const char* kDefaultRangeJoin = "->";

// Allow/Disallow page.
inline constexpr const char* kProgramValues = "Program Values";
inline constexpr const char* kUserValues = "User Values";
inline constexpr const char* kAllowed = "Allowed";
inline constexpr const char* kDisallowed = "Disallowed";
inline constexpr const char* kValueEntry = "Value";
inline constexpr const char* kAdd = "Add";
inline constexpr const char* kAddToUserList = "Add to User List";
inline constexpr const char* kSelectAll = "Select All";
inline constexpr const char* kClearAll = "Clear All";
inline constexpr const char* kRemove = "Remove";
// How the page shows and takes a range: its two ends joined by this.
inline constexpr const char* kRangeEntryJoin = " to ";
inline constexpr const char* kValueExceedsLength = "Value added exceeds field length.";
// The user list's value text in an override statement stays within this.
inline constexpr std::size_t kUserListTextLength = 417;

// Filter page.
inline constexpr const char* kComparison = "Comparison:";
inline constexpr const char* kFilterValues = "Value(s):";
inline constexpr const char* kRemoveFilter = "&Remove Filter";

// The field list dialog.
inline constexpr const char* kDatabaseFieldsTitle = "List of Database fields";
inline constexpr const char* kLocalFieldsTitle = "List of Local fields";
inline constexpr const char* kGlobalFieldsTitle = "List of Global fields";
inline constexpr const char* kSelectLabel = "Select:";
inline constexpr char kShownMark = '*';

// Help contexts of the field lists.
inline constexpr int kDatabaseFieldsHelp = 43;
inline constexpr int kGlobalFieldsHelp = 44;
inline constexpr int kLocalFieldsHelp = 45;

}  // namespace sheets::texts
