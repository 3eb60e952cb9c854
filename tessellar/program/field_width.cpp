#include "tessellar/program/field_width.h"

#include "tessellar/canvas/pictures/size_word.h"
#include "tessellar/canvas/pictures/value_format.h"

namespace program {

int FieldWidth(std::uint16_t sizeWord, char typeLetter) {
    switch (typeLetter) {
        case canvas::kDateType: return 11;
        case canvas::kTimeType: return 8;
        case canvas::kTimeLikeType: return 10;
        default: break;
    }
    if (!canvas::IsNumeric(sizeWord)) return sizeWord;
    const int decimals = canvas::DecimalPlaces(sizeWord);
    int width = canvas::IntegerDigits(sizeWord) + decimals;
    if (decimals > 0) ++width;
    if (canvas::IsSigned(sizeWord)) ++width;
    if (typeLetter == canvas::kMoneyType) ++width;
    return width;
}

}  // namespace program
