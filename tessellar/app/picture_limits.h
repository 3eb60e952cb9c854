#pragma once
// The largest picture of a screen that is drawn: a screen of 255 x 255
// cells fits in any usual font; a larger picture (a damaged program's
// frame, a huge screen font) would only take minutes and gigabytes.

#include <cstdint>
#include <optional>
#include <string>

#include "tessellar/canvas/render/cell_metrics.h"
#include "tessellar/model/screen_model.h"

namespace app {

inline constexpr std::int64_t kLargestPictureSide = 16384;
inline constexpr std::int64_t kLargestPicturePixels = std::int64_t{1} << 26;

// "NAME: a picture of W x H pixels is more than ... makes ..." when the
// entry's window is too large to draw; none when it can be drawn.
std::optional<std::string> PictureSizeProblem(const model::CScreenModel& screen, canvas::CellMetrics cell);

}  // namespace app
