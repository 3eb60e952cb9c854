#pragma once
// "Highlight Changes": the kinds of customisation an item can show, the
// frame colour and legend text of each, and the process-wide switch.

#include <QColor>
#include <QPainter>
#include <QRect>

#include <array>

namespace canvas {

// In drawing order: the first that applies frames the item's rectangle,
// each further one sits one pixel further inside.
enum class ChangeCategory { Overlaid, Suppressed, Trigger, Moved, Other };
inline constexpr std::array<ChangeCategory, 5> kChangeCategories{
    ChangeCategory::Overlaid, ChangeCategory::Suppressed, ChangeCategory::Trigger, ChangeCategory::Moved,
    ChangeCategory::Other};

QColor CategoryColour(ChangeCategory category);
const char* CategoryLegendText(ChangeCategory category);

// The categories that apply to one item.
class ChangeSet {
public:
    ChangeSet& Add(ChangeCategory category, bool applies = true) {
        if (applies) bits_ |= 1u << static_cast<unsigned>(category);
        return *this;
    }
    bool Has(ChangeCategory category) const { return (bits_ >> static_cast<unsigned>(category)) & 1u; }
    bool Empty() const { return bits_ == 0; }

private:
    unsigned bits_ = 0;
};

// One closed one-pixel frame per category, outermost first.
void DrawChangeFrames(QPainter& painter, const QRect& itemRect, ChangeSet changes);

// The switch lives for the whole process and survives screen changes.
bool HighlightChangesOn();
void SetHighlightChanges(bool on);
// Flips the switch and returns its new state.
bool ToggleHighlightChanges();

}  // namespace canvas
