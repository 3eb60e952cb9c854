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

// Work files that could not be made or written: at opening the file is
// shown read-only; a command changes nothing.
inline constexpr const char* kWorkFilesFailed =
    "Could not make the work files of %s in %s (%s). It is shown read-only and its screens may lack some of its "
    "statements: nothing can change or save it until it is opened again with a temporary folder that can be "
    "written to.";
inline constexpr const char* kReadOnlyWorkFilesRefusal =
    "%s is open read-only, because its work files could not be made in %s (%s). Open it again once that folder "
    "can be written to.";
inline constexpr const char* kWorkFileNotWritten =
    "The change could not be made: the work file %s could not be written (%s). Nothing was changed.";
inline constexpr const char* kWorkFileNotRead =
    "The change could not be made: the work file %s could not be read. Nothing was changed.";

// Another customiser holds the file's lock: who, where, which process, since when.
inline constexpr const char* kHolder = "%s on %s (process %ld, since %s)";
inline constexpr const char* kOpenAnywayQuestion =
    "%s is open for editing by %s. Open it for editing anyway? Changes saved by the other customiser would then "
    "stop your save until you choose which to keep.";
inline constexpr const char* kHeldReadOnly = "%s is open for editing by %s. It is shown read-only.";
inline constexpr const char* kHeldRefusal =
    "%s is open read-only, because it is open for editing by %s. Choose Save As to keep a copy elsewhere.";

// A killed customiser's work found when its override file is opened again.
inline constexpr const char* kUnsavedChangesFound = "Changes to %s that were never saved were found (%s).";

// Saving over a file another program changed since it was opened.
inline constexpr const char* kChangedByAnotherProgram = "%s was changed by another program since you opened it.";
// Said after it when the window is made active again.
inline constexpr const char* kReloadOffer = " Reload it as the other program left it?";
inline constexpr const char* kReloadDiscards =
    " Reload it as the other program left it? The changes you made since opening it would be lost.";

// A program that loaded although its directory is damaged: said once, with
// what was skipped.
inline constexpr const char* kDamagedProgram = "The program %s is damaged: %s.";

}  // namespace document::texts
