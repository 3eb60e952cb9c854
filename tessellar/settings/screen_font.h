#pragma once
// The screen font every drawn screen uses, as the "font_norm" setting gives it.

#include <optional>
#include <string_view>

#include "tessellar/model/font_description.h"

namespace settings {

// The setting's fields "face,height,weight,character set,pitch and
// family,width" over the default font. A field that is missing, empty or not
// a decimal integer keeps the default, so a damaged setting cannot make the
// screen unreadable; empty data gives no font of the user's, and drawing
// keeps its own.
std::optional<model::FontDescription> FontFromFontNorm(std::string_view data);

}  // namespace settings
