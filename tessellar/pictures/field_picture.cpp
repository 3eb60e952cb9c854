#include "tessellar/pictures/field_picture.h"

#include <cstddef>

#include "platform/text_case.h"

#include "tessellar/pictures/picture_texts.h"
#include "tessellar/pictures/repeat_count.h"

namespace pictures {

namespace {

// A symbol written n times: "c(n)" compact, n copies of c expanded.
void AppendRepeated(std::string& picture, char symbol, std::size_t count, PictureForm form) {
    if (form == PictureForm::Compact) {
        picture += symbol;
        picture += '(' + std::to_string(count) + ')';
    } else {
        picture.append(count, symbol);
    }
}

std::string PictureFromSize(SizeWord size, PictureForm form) {
    std::string picture;
    if (!IsNumeric(size)) {
        if (TextLength(size) > 0) AppendRepeated(picture, 'x', TextLength(size), form);
        return picture;
    }
    if (IsSigned(size)) picture += 'S';
    if (IntegerDigits(size) > 0) AppendRepeated(picture, '9', static_cast<std::size_t>(IntegerDigits(size)), form);
    if (DecimalPlaces(size) > 0) {
        picture += form == PictureForm::Compact ? 'V' : '.';
        AppendRepeated(picture, '9', static_cast<std::size_t>(DecimalPlaces(size)), form);
    }
    return picture;
}

void ExpandPart(std::string_view part, std::string& out) {
    std::size_t i = 0;
    while (i < part.size()) {
        if (part[i] == '(' && i > 0) {
            const auto group = ReadRepeatCount(part, i);
            // The character already written counts as the first copy.
            if (group && out.size() + static_cast<std::size_t>(group->count) <= kMaxExpandedLength) {
                out.append(static_cast<std::size_t>(group->count - 1), part[i - 1]);
                i = group->end;
                continue;
            }
        }
        out += part[i++];
    }
}

// The first ".", else the first "v" or "V"; one at the very start does not split.
std::size_t DecimalMarker(std::string_view picture) {
    std::size_t marker = picture.find('.');
    if (marker == std::string_view::npos) marker = picture.find_first_of("vV");
    return marker == 0 ? std::string_view::npos : marker;
}

}  // namespace

std::string LowerCasedPicture(std::string_view picture) { return platform::LowerCased(picture); }

std::string ExpandRepeatCounts(std::string_view picture) {
    if (picture.find('(') == std::string_view::npos) return std::string(picture);
    std::string expanded;
    const std::size_t marker = DecimalMarker(picture);
    if (marker == std::string_view::npos) {
        ExpandPart(picture, expanded);
        return expanded;
    }
    ExpandPart(picture.substr(0, marker), expanded);
    expanded += '.';
    ExpandPart(picture.substr(marker + 1), expanded);
    return expanded;
}

std::string PictureForField(char typeLetter, SizeWord size, std::string_view ownPicture,
                            PictureForm form) {
    const std::string own = LowerCasedPicture(ownPicture);
    const auto ownOr = [&own](std::string_view fallback) {
        return own.empty() ? std::string(fallback) : own;
    };
    switch (typeLetter) {
    case 'D': return ownOr(texts::kDefaultDatePicture);
    case 'T':
    case 'J': return ownOr(texts::kDefaultTimePicture);
    case 'B': return ownOr(texts::kDefaultBPicture);
    case 'X': return ownOr(texts::kDefaultXPicture);
    default: break;
    }
    if (form == PictureForm::Expanded && !own.empty()) return ExpandRepeatCounts(own);
    return PictureFromSize(size, form);
}

std::string DefaultPictureText(SizeWord size, char typeLetter) {
    return PictureForField(typeLetter, size, {}, PictureForm::Compact);
}

}  // namespace pictures
