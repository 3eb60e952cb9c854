#include "tessellar/app/picture_limits.h"

#include <algorithm>
#include <sstream>

#include "tessellar/canvas/render/canvas_placement.h"

namespace app {

std::optional<std::string> PictureSizeProblem(const model::CScreenModel& screen, canvas::CellMetrics cell) {
    // Counted so that no frame of a damaged program can overflow it.
    const model::CScreenWnd defaultFrame;
    const model::CScreenWnd& frame = screen.Frame() != nullptr ? *screen.Frame() : defaultFrame;
    const std::int64_t columns = std::int64_t{frame.rightColumn} + 1 - frame.leftColumn;
    const std::int64_t rows = std::int64_t{frame.bottomRow} + 2 - frame.topRow;
    const std::int64_t width = std::max<std::int64_t>(0, columns * cell.width);
    const std::int64_t height = std::max<std::int64_t>(0, rows * cell.height + canvas::kWindowExtraHeight);
    if (width <= kLargestPictureSide && height <= kLargestPictureSide && width * height <= kLargestPicturePixels) {
        return std::nullopt;
    }
    std::ostringstream problem;
    problem << screen.Name() << ": a picture of " << width << " x " << height << " pixels is more than --render makes ("
            << kLargestPictureSide << " a side, " << kLargestPicturePixels << " in all)";
    return problem.str();
}

}  // namespace app
