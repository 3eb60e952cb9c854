#pragma once
// The key lines commands write, with their values in the written forms:
// texts quoted, defaults quoted or bare by kind, colours as names or
// decimal values, attribute flags as words, resize pictures as "x(n)".

#include <string>
#include <string_view>

#include "tessellar/model/attribute_flags.h"
#include "tessellar/model/colour_table.h"

namespace commands {

// "\tKEY = \"TEXT\"\n"
std::string TextLine(std::string_view key, std::string_view text);
// "\tKEY = VALUE\n"
std::string BareLine(std::string_view key, std::string_view value);
// "\tKEY = FIRST,SECOND\n"
std::string PairKeyLine(std::string_view key, int first, int second);
// "\tdefault = ...\n": a literal (kind 0) quoted, field names and system values bare.
std::string DefaultLine(int defaultKind, std::string_view text);
// A colour as its lower-case name when it is one of the sixteen, else decimal.
std::string ColourText(model::Colour colour);
// "\tcolor = FOREGROUND/BACKGROUND\n"
std::string ColourLine(model::ColourPair colours);
// "\tattributes = WORD,WORD\n"
std::string AttributesLine(model::AttributeFlags flags, bool prompt);
// "\tpicture = L(N)\n" for a resize to N characters of picture letter L.
std::string ResizePictureLine(char pictureLetter, int width);
// "\tsuppress = true\n" and friends.
std::string FlagLine(std::string_view key, bool value);

}  // namespace commands
