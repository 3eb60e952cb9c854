#pragma once
// The screen font and the cell metrics that map the character grid onto
// pixels: every drawing and hit test uses one pair of them.

#include <QFont>

#include <optional>

#include "tessellar/model/font_description.h"

class QPaintDevice;

namespace canvas {

struct CellMetrics {
    int width = 0;   // the advance of "M" in the screen font, less one
    int height = 0;  // the font's height plus its external leading plus four

    bool operator==(const CellMetrics&) const = default;
};


// A real font for a font description. A positive height is the height of
// the character cell (ascent plus descent), as a Windows font asks for; a
// negative one the height of the characters themselves.
QFont ToQFont(const model::FontDescription& description);

// The metrics of the screen font, measured for a paint device (null: the
// default screen).
CellMetrics MeasureCellMetrics(const QFont& screenFont, const QPaintDevice* device = nullptr);
CellMetrics MeasureCellMetrics(const model::FontDescription& screenFont);

}  // namespace canvas
