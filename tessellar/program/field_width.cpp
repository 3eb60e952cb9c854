#include "tessellar/program/field_width.h"

#include "tessellar/pictures/size_word.h"
#include "tessellar/pictures/value_format.h"

namespace program {

int FieldWidth(std::uint16_t sizeWord, char typeLetter) {
    switch (typeLetter) {
        case pictures::kDateType: return 11;
        case pictures::kTimeType: return 8;
        case pictures::kTimeLikeType: return 10;
        default: break;
    }
    if (!pictures::IsNumeric(sizeWord)) return sizeWord;
    const int decimals = pictures::DecimalPlaces(sizeWord);
    int width = pictures::IntegerDigits(sizeWord) + decimals;
    if (decimals > 0) ++width;
    if (pictures::IsSigned(sizeWord)) ++width;
    if (typeLetter == pictures::kMoneyType) ++width;
    return width;
}

}  // namespace program
