#pragma once
// The review report of the program open in the customiser: its override
// text as it stands in the working copy, unsaved changes included, which
// the pages say.

#include "tessellar/document/document.h"
#include "tessellar/report/program_report.h"

namespace report {

inline constexpr const char* kUnsavedNote =
    "Drawn from the override file as it stands in the customiser's working copy, with changes not yet saved.";
inline constexpr const char* kSavedNote =
    "Drawn from the override file as it stands in the customiser's working copy; it holds no unsaved changes.";

// The document must hold a program; the source refers to its image.
ProgramSource DocumentSource(const document::Document& document);

}  // namespace report
