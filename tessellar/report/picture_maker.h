#pragma once
// Where the report's pictures come from: something that draws an entry as
// the customiser's canvas shows it and writes the picture, perhaps later on
// another thread. The core only names the files; `tessellar --report` and
// the window hand in the drawing.

#include <optional>
#include <string>
#include <vector>

#include "tessellar/model/screen_model.h"

namespace report {

class PictureMaker {
public:
    virtual ~PictureMaker() = default;
    // Draws the entry as it stands now, with Highlight Changes when asked,
    // and has the picture written to `path`. A problem text when no picture
    // can be made of it (one that would be too large).
    virtual std::optional<std::string> Draw(const model::CScreenModel& entry, bool highlight,
                                            const std::string& path) = 0;
    // Waits until every picture is written; the paths of those that could not be.
    virtual std::vector<std::string> Finish() = 0;
};

}  // namespace report
