#pragma once
// The review report of one program: every entry its override file
// customises (with an old file: every entry whose statements differ from
// it), each drawn compiled and customised, with its section's statements at
// their lines, what they changed and the checker's findings.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "tessellar/document/entry_opening.h"
#include "tessellar/program/image/program_image.h"
#include "tessellar/report/picture_maker.h"
#include "tessellar/report/report_model.h"

namespace report {

struct ProgramSource {
    std::string programPath;
    const program::ProgramImage* image = nullptr;
    std::string overridePath;  // empty: the program has no override file
    std::string overrideText;
    std::optional<std::string> oldOverridePath;  // a report of the changes since this file
    std::string oldOverrideText;
    document::EntryInputs inputs;
    std::string note;  // said on the page
};

// Told before each entry with how many are done of how many; false stops.
using Progress = std::function<bool(std::size_t done, std::size_t total)>;

// Where a program's pictures go: `directory` on disk, `prefix` as the pages
// name it (relative to the report's directory).
struct PicturePlace {
    std::string directory;
    std::string prefix;
};

// The report of one program, its pictures handed to `pictures`; none when
// the progress stopped it. The picture directory is made when a picture
// goes there; when it cannot be, each entry says so.
std::optional<ProgramReport> BuildProgramReport(const ProgramSource& source, const PicturePlace& place,
                                                PictureMaker& pictures, const Progress& progress = {});

}  // namespace report
