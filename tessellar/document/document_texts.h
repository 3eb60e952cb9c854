#pragma once
// The texts the open document and the browser search show to users.

namespace document::texts {

inline constexpr const char* kAtEndOfList = "At end of list. \"%s\" not found.";
inline constexpr const char* kAtTopOfList = "At top of list. \"%s\" not found.";
inline constexpr const char* kOpenProgramFirst =
    "Please open a ORVALE program (.op5 or .op6 file) before trying to open a tessellar file.";
inline constexpr const char* kCouldNotOpenFile = "Could not open file:<%s>. ";

}  // namespace document::texts
