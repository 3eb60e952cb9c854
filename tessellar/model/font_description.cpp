#include "tessellar/model/font_description.h"

namespace model {

FontDescription ItemFont(const std::optional<FontDescription>& customFont) {
    FontDescription font;
    if (customFont) {
        font.faceName = customFont->faceName;
        font.height = customFont->height;
        font.weight = customFont->weight;
        font.charSet = customFont->charSet;
        font.pitchAndFamily = customFont->pitchAndFamily;
        font.width = customFont->width;
    }
    return font;
}

FontDescription TitleBarFont(const std::optional<FontDescription>& customFont) {
    FontDescription font;
    font.weight = kBoldWeight;
    if (customFont) {
        font.height = customFont->height;
        font.width = customFont->width;
        font.charSet = customFont->charSet;
        font.pitchAndFamily = customFont->pitchAndFamily;
    }
    return font;
}

}  // namespace model
