#pragma once
// The texts of the override file and of applying it that users and files
// see, in one place: the file's words (override_words.h; the trigger words
// are in trigger_words.h), its header line and the messages.

#include "tessellar/overrides/override_words.h"

namespace overrides::texts {

// The one comment line the customiser writes at the top of a file.
inline constexpr const char* kFileHeader = "#ORVALE Screen Customiser File (Override statements only).\n";

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
inline constexpr const char* kWorkFileMissing =
    "%s could not be saved: the work file of %s is missing or cannot be read; the file is unchanged.";
// The per-process directory that holds the work files, under TEMP.
inline constexpr const char* kWorkDirectoryPrefix = "tessellar-";

}  // namespace overrides::texts
