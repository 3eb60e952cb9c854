#pragma once
// The texts the document shows: its messages and the labels it records.

namespace document::texts {

inline constexpr const char* kNoScfFile = "There is no existing scf file and no changes on current screen.";
inline constexpr const char* kOpenProgramFirst =
    "Please open a ORVALE program (.op5 or .op6 file) before trying to open a tessellar file.";
inline constexpr const char* kFileOpenForEdit =
    "The SCF file is currently open for edit. Please close the edit window before you close this message box.";
inline constexpr const char* kEditWindowOpen =
    "You have a edit SCF file window opened, please close that before you select another screen.";

}  // namespace document::texts
