#pragma once
// The font every drawn object carries: the fields of a Windows LOGFONT as
// plain values. Drawing turns it into a real font.

#include <cstdint>
#include <optional>
#include <string>

#include "tessellar/model/model_texts.h"

namespace model {

inline constexpr int kNormalWeight = 400;
inline constexpr int kBoldWeight = 700;

struct FontDescription {
    int height = 15;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = kNormalWeight;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint8_t charSet = 1;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 2;
    std::string faceName = texts::kDefaultFontFace;

    bool operator==(const FontDescription&) const = default;
};

// The font of an item: the default, or with the user's custom screen font
// its face, height, weight, character set, pitch and family, and width.
FontDescription ItemFont(const std::optional<FontDescription>& customFont);

// The title bar always shows bold "Arial"; only its height, width,
// character set, pitch and family follow the custom font.
FontDescription TitleBarFont(const std::optional<FontDescription>& customFont);

}  // namespace model
