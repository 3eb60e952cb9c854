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

// An override file that cannot be used as one, and one opened read-only.
inline constexpr const char* kNotAnOverrideFile =
    "%s is not a screen customiser file. It is left as it is and nothing is written over it.";
inline constexpr const char* kWorkingCopyFailed =
    "Could not make the working copy %s (%s). The screens show %s read-only: choose Save As to keep a copy in a "
    "place you can write to, then customise that copy.";
inline constexpr const char* kCouldNotReadOverrideFile = "Could not read the screen customiser file %s.";
inline constexpr const char* kReadOnlyRefusal =
    "%s is open read-only, because its working copy could not be made. Choose Save As to keep a copy in a place "
    "you can write to, then customise that copy.";

// A program that loaded although its directory is damaged: said once, with
// what was skipped.
inline constexpr const char* kDamagedProgram = "The program %s is damaged: %s.";

}  // namespace document::texts
