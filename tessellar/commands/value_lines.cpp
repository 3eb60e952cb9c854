#include "tessellar/commands/value_lines.h"

#include "tessellar/overrides/override_format.h"
#include "tessellar/overrides/override_texts.h"
#include "tessellar/overrides/value_readers.h"
#include "tessellar/model/colour_names.h"

namespace commands {

namespace format = overrides::format;
namespace keys = overrides::texts;

std::string TextLine(std::string_view key, std::string_view text) { return format::QuotedKeyLine(key, text); }

std::string BareLine(std::string_view key, std::string_view value) { return format::KeyLine(key, value); }

std::string PairKeyLine(std::string_view key, int first, int second) { return format::PairLine(key, first, second); }

std::string DefaultLine(int defaultKind, std::string_view text) {
    if (defaultKind == overrides::kDefaultLiteral) return format::QuotedKeyLine(keys::kDefault, text);
    return format::KeyLine(keys::kDefault, text);
}

std::string ColourText(model::Colour colour) {
    const int index = model::ColourValueToIndex(colour & model::colour::kMask);
    if (index >= 0) return std::string(model::kColourNames[static_cast<std::size_t>(index)].name);
    return std::to_string(colour & model::colour::kMask);
}

std::string ColourLine(model::ColourPair colours) {
    return format::KeyLine(keys::kColor, ColourText(colours.foreground) + "/" + ColourText(colours.background));
}

std::string AttributesLine(model::AttributeFlags flags, bool prompt) {
    return format::KeyLine(keys::kAttributes, model::AttributesToText(flags, prompt));
}

std::string ResizePictureLine(char pictureLetter, int width) {
    return format::KeyLine(keys::kPicture, std::string(1, pictureLetter) + "(" + std::to_string(width) + ")");
}

std::string FlagLine(std::string_view key, bool value) {
    return format::KeyLine(key, value ? keys::kTrue : keys::kFalse);
}

}  // namespace commands
