#include "tessellar/settings/colour_scheme.h"

namespace settings {

using namespace model::colour;

ColourScheme::ColourScheme()
    : entries{{
          {kWhite, kNavy},    // reverse
          {kWhite, kGreen},   // blink
          {kBlack, kSilver},  // dim: its background is never used
          {kNavy, kSilver},   // normal
          {kBlack, kWhite},   // datacurr
          {kBlack, kWhite},   // datanorm
          {kNavy, kSilver},   // datastatic
          {kWhite, kNavy},    // datareview
          {kBlack, kWhite},   // dataaltrow
          {kBlack, kSilver},  // button
          {kWhite, kNavy},    // defbutton
      }} {}

bool ColourScheme::ApplyValue(std::string_view name, std::string_view text) {
    for (std::size_t index = 0; index < kSchemeEntryCount; ++index) {
        if (kSchemeEntryNames[index] != name) continue;
        loaded = true;
        if (const auto pair = model::ParseColourPair(text)) {
            if (static_cast<SchemeEntry>(index) == SchemeEntry::Dim) {
                entries[index].foreground = pair->foreground;
            } else {
                entries[index] = *pair;
            }
        }
        return true;
    }
    return false;
}

model::ColourTable ColourScheme::ToColourTable() const {
    model::ColourTable table;
    int next = 1;
    for (std::size_t index = 0; index < kSchemeEntryCount; ++index) {
        table.SetEntry(next++, entries[index].foreground);
        if (static_cast<SchemeEntry>(index) != SchemeEntry::Dim) table.SetEntry(next++, entries[index].background);
    }
    return table;
}

}  // namespace settings
