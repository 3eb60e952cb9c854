#pragma once
// The screen font every drawn screen uses, as Windows describes a font.

#include <string>
#include <string_view>

namespace shell {

struct ScreenFont {
    std::string faceName = "Arial";
    int height = 15;
    int weight = 400;
    int characterSet = 1;
    int pitchAndFamily = 2;
    int width = 0;
    // Set once the "font_norm" setting was read; drawing follows the setting only then.
    bool isSet = false;

    // Takes the setting's fields "face,height,weight,character set,pitch and
    // family,width". A field that is missing, empty or not a decimal integer
    // keeps its current value, so a damaged setting cannot make the screen
    // unreadable; empty data changes nothing.
    void ApplyFontNorm(std::string_view data);
};

}  // namespace shell
