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

}  // namespace lists::texts
