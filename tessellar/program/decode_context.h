#pragma once
// What every part of decoding one entry needs: the image, the model being
// filled, where messages go, and the entry's frame as decoded first.

#include <algorithm>
#include <climits>
#include <cstdint>

#include "platform/message_sink.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/program/image/program_image.h"

namespace program {

struct ScreenGeometry {
    int originRow = 1;
    int originColumn = 1;
    int originalBottomRow = 24;     // the frame's, absolute
    std::uint8_t screenFlags = 0;
    bool review = false;
    std::int64_t reviewFirstRow = 0;  // compiled row of the review area's first row
    std::int64_t reviewRows = 0;      // box height times repeat count
};

struct DecodeContext {
    const ProgramImage& image;
    model::CScreenModel& model;
    platform::MessageSink& sink;
    std::uint32_t entry;
    ScreenGeometry geometry;
};

// Adds columns without overflowing: a damaged program's widths may add up
// beyond any screen.
inline int AddColumns(int column, std::int64_t width) {
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{column} + width, INT_MIN, INT_MAX));
}

}  // namespace program
