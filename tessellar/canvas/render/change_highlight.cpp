#include "tessellar/canvas/render/change_highlight.h"

#include "tessellar/canvas/render/canvas_texts.h"
#include "tessellar/canvas/render/pixel_drawing.h"

namespace canvas {

namespace {
bool highlightChanges = false;
}  // namespace

QColor CategoryColour(ChangeCategory category) {
    switch (category) {
        case ChangeCategory::Overlaid: return QColor(255, 0, 0);
        case ChangeCategory::Suppressed: return QColor(255, 128, 0);
        case ChangeCategory::Trigger: return QColor(0, 0, 255);
        case ChangeCategory::Moved: return QColor(0, 128, 0);
        case ChangeCategory::Other: return QColor(255, 255, 0);
    }
    return QColor(0, 0, 0);
}

const char* CategoryLegendText(ChangeCategory category) {
    switch (category) {
        case ChangeCategory::Overlaid: return texts::kOverlaidItems;
        case ChangeCategory::Suppressed: return texts::kSuppressedFields;
        case ChangeCategory::Trigger: return texts::kItemHasTrigger;
        case ChangeCategory::Moved: return texts::kItemMoved;
        case ChangeCategory::Other: return texts::kOtherChanges;
    }
    return "";
}

void DrawChangeFrames(QPainter& painter, const QRect& itemRect, ChangeSet changes) {
    int inset = 0;
    for (const ChangeCategory category : kChangeCategories) {
        if (!changes.Has(category)) continue;
        const QRect frame = itemRect.adjusted(inset, inset, -inset, -inset);
        if (frame.width() > 0 && frame.height() > 0) Outline(painter, frame, CategoryColour(category));
        ++inset;
    }
}

bool HighlightChangesOn() { return highlightChanges; }
void SetHighlightChanges(bool on) { highlightChanges = on; }
bool ToggleHighlightChanges() {
    highlightChanges = !highlightChanges;
    return highlightChanges;
}

}  // namespace canvas
