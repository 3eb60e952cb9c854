#include "tessellar/pictures/size_word.h"

namespace pictures {

std::size_t StorageSize(SizeWord size) {
    const int digits = IntegerDigits(size) + DecimalPlaces(size);
    if (size & kBinaryStorage) return digits <= 4 ? 2 : digits <= 8 ? 4 : digits < 14 ? 6 : 8;
    if (size & kDisplayStorage) return static_cast<std::size_t>(digits);
    if (size & kFloatStorage) return digits < 7 ? 4 : 8;
    if (size & kPackedStorage) {
        return static_cast<std::size_t>((IntegerDigits(size) + 1) / 2 + (DecimalPlaces(size) + 1) / 2 + 1);
    }
    return TextLength(size);
}

}  // namespace pictures
