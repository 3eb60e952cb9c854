#include "tessellar/shell/settings/colour_scheme.h"

namespace shell {

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
        if (const auto pair = ParseColourPair(text)) {
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

ScreenColourTable ColourScheme::ToScreenColourTable() const {
    ScreenColourTable table{};
    std::size_t next = 0;
    for (std::size_t index = 0; index < kSchemeEntryCount; ++index) {
        table[next++] = entries[index].foreground;
        if (static_cast<SchemeEntry>(index) != SchemeEntry::Dim) table[next++] = entries[index].background;
    }
    return table;
}

}  // namespace shell
