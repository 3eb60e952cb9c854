#include "tessellar/model/colour_table.h"

namespace model {

ColourPair Visible(ColourPair pair) {
    if (pair.foreground == pair.background) pair.foreground = ~pair.foreground & colour::kMask;
    return pair;
}

Colour ColourTable::Entry(int number) const {
    if (number < 1 || number > kEntries) return colour::kBlack;
    return entries_[static_cast<std::size_t>(number - 1)];
}

void ColourTable::SetEntry(int number, Colour value) {
    if (number < 1 || number > kEntries) return;
    entries_[static_cast<std::size_t>(number - 1)] = value;
}

ColourPair ColoursForAttributes(AttributeFlags flags, bool dataPair, const ColourTable& table) {
    ColourPair pair;
    if (flags & (attribute::kInverse | attribute::kUnderline)) {
        pair = table.InversePair();
    } else if (flags & attribute::kBlink) {
        pair = table.BlinkPair();
    } else if (flags & attribute::kBackground) {
        pair = table.BackgroundPair();
    } else if (flags & attribute::kDataReview) {
        pair = table.DataReviewPair();
    } else {
        pair = dataPair ? table.DataPair() : table.NormalPair();
    }
    return Visible(pair);
}

}  // namespace model
