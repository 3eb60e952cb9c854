#pragma once
// The texts the open document and the browser search show to users.

namespace document::texts {

inline constexpr const char* kAtEndOfList = "At end of list. \"%s\" not found.";
inline constexpr const char* kAtTopOfList = "At top of list. \"%s\" not found.";
inline constexpr const char* kOpenProgramFirst =
    "Please open a ORVALE program (.op5 or .op6 file) before trying to open a tessellar file.";
inline constexpr const char* kCouldNotOpenFile = "Could not open file:<%s>. ";
inline constexpr const char* kNoScfFile = "There is no existing scf file and no changes on current screen.";
inline constexpr const char* kFileOpenForEdit =
    "The SCF file is currently open for edit. Please close the edit window before you close this message box.";

}  // namespace document::texts
