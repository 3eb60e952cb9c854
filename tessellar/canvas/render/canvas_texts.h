#pragma once
// The canvas's own texts: the change legend, its window title and the two
// commands that show changes.

namespace canvas::texts {

inline constexpr const char* kLegendTitle = "Legend";
inline constexpr const char* kOverlaidItems = "Overlayed items";
inline constexpr const char* kSuppressedFields = "Suppressed fields";
inline constexpr const char* kItemHasTrigger = "Item has a trigger";
inline constexpr const char* kItemMoved = "Item has been moved";
inline constexpr const char* kOtherChanges = "All other changes";

inline constexpr const char* kHighlightChangesPrompt = "Highlight Changes Made to Current Screen.\nHighlight Changes";
inline constexpr const char* kLegendCommand = "&Legend";
inline constexpr const char* kLegendPrompt = "Display Legend for Highlight Change\nLegend";

}  // namespace canvas::texts
