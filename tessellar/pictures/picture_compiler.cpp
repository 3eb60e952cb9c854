#include "tessellar/pictures/picture_compiler.h"

#include <algorithm>
#include <climits>
#include <string>

#include "tessellar/pictures/field_picture.h"
#include "tessellar/pictures/repeat_count.h"

namespace pictures {

namespace {

constexpr SizeWord kDateTypeWord = 0x2080;  // binary, 4 digits
constexpr SizeWord kTimeTypeWord = 0x2100;  // binary, 8 digits
constexpr unsigned char kPoundSign = 0xA3;
constexpr unsigned char kOldPoundSign = 0x9C;

bool IsCurrency(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return c == '$' || byte == kPoundSign || byte == kOldPoundSign;
}

bool IsInsertion(char c) { return c == ' ' || c == ',' || c == '/' || c == ':' || c == 'b'; }

// Letters that only date and time symbols use: a picture with any of them
// reads ".", "-" and the insertion characters as literals, and "ss" as seconds.
bool HasDateOrTimeLetters(std::string_view text) { return text.find_first_of("dmyhap") != std::string_view::npos; }

std::size_t RunLength(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && text[end] == text[from]) ++end;
    return end - from;
}

// Reads a picture left to right, counting positions and writing the edit
// mask; the first error stops it and leaves the positions counted so far.
class PictureReader {
public:
    explicit PictureReader(std::string text)
        : text_(std::move(text)), dateOrTime_(HasDateOrTimeLetters(text_)) {}

    CompiledPicture Compile() {
        const bool readToEnd = ReadAll();
        CompiledPicture result;
        result.displayLength = static_cast<int>(std::min<long long>(positions_, INT_MAX));
        if (readToEnd) Classify(result);
        return result;
    }

private:
    bool ReadAll() {
        if (!text_.empty() && text_[0] == '(') {
            parenthesesOpen_ = true;
            signed_ = true;
            classes_ |= kEditedNumeric;
            Emit(mask::kOpenParenthesis, 1);
            ++at_;
        }
        while (at_ < text_.size()) {
            if (!ReadSymbol()) return false;
        }
        return !parenthesesOpen_ || parenthesesClosed_;
    }

    bool ReadSymbol() {
        const char c = text_[at_];
        switch (c) {
        case ')': return ReadCloseParenthesis();
        case 'd': return ReadRun(2, day_, kDatePicture, mask::kDay);
        case 'y': return ReadYear();
        case 'h': return ReadRun(2, hour_, kTimePicture, mask::kHour);
        case 'm': return ReadMonth();
        case 'a':
        case 'p': return ReadPair('m', amPm_, kTimePicture, mask::kAmPm, mask::kAmPm);
        case 'c': return ReadCredit();
        case 's':
            if (dateOrTime_ && RunLength(text_, at_) == 2 && NextIsNotCount(at_ + 2)) {
                return ReadRun(2, second_, kTimePicture, mask::kSecond);
            }
            return ReadCounted();
        default: return ReadCounted();
        }
    }

    bool NextIsNotCount(std::size_t at) const { return at >= text_.size() || text_[at] != '('; }

    bool ReadCloseParenthesis() {
        if (!parenthesesOpen_ || parenthesesClosed_ || at_ + 1 != text_.size()) return false;
        parenthesesClosed_ = true;
        Emit(mask::kCloseParenthesis, 1);
        ++at_;
        return true;
    }

    // A run of one letter of exactly this length ("dd", "hh"), at most once.
    bool ReadRun(std::size_t length, bool& once, unsigned pictureClass, char maskLetter) {
        if (RunLength(text_, at_) != length || once || !NextIsNotCount(at_ + length)) return false;
        once = true;
        classes_ |= pictureClass;
        Emit(maskLetter, static_cast<long long>(length));
        at_ += length;
        return true;
    }

    bool ReadYear() {
        const std::size_t length = RunLength(text_, at_);
        if (length != 2 && length != 4) return false;  // "yyy" is no year
        return ReadRun(length, year_, kDatePicture, mask::kYear);
    }

    bool ReadMonth() {
        const std::size_t length = RunLength(text_, at_);
        if (length == 3) {
            if (!ReadRun(3, month_, kDatePicture, mask::kMonthName)) return false;
            monthName_ = true;
            return true;
        }
        monthNumberMask_ = mask_.size();
        return ReadRun(2, month_, 0, mask::kMonth);
    }

    // "am" or "pm": a letter that must be followed by a second one.
    bool ReadPair(char second, bool& once, unsigned pictureClass, char firstMask, char secondMask) {
        if (at_ + 1 >= text_.size() || text_[at_ + 1] != second || once || !NextIsNotCount(at_ + 2)) {
            return false;
        }
        once = true;
        classes_ |= pictureClass;
        Emit(firstMask, 1);
        Emit(secondMask, 1);
        at_ += 2;
        return true;
    }

    bool ReadCredit() {
        if (!ReadPair('r', credit_, kEditedNumeric, mask::kCreditC, mask::kCreditR)) return false;
        signed_ = true;
        return true;
    }

    // A one-position symbol, with an optional repeat count "(n)".
    bool ReadCounted() {
        const char c = text_[at_++];
        if (!ApplySymbol(c, 1)) return false;
        if (at_ >= text_.size() || text_[at_] != '(') return true;
        const auto count = ReadRepeatCount(text_, at_);
        if (!count) return false;
        at_ = count->end;
        return ApplySymbol(c, count->count - 1);
    }

    bool ApplySymbol(char c, long long count) {
        if (count <= 0) return true;
        if (dateOrTime_ && (c == '.' || c == '-' || IsInsertion(c))) {
            Emit(c, count);  // a literal of a date or time
            return true;
        }
        switch (c) {
        case '9': return Digits(mask::kDigit, count, kPlainNumeric);
        case 'z': return Digits(mask::kZeroSuppressed, count, kEditedNumeric);
        case '*': return Digits(mask::kCheckProtect, count, kEditedNumeric);
        case '%':
            classes_ |= kEditedNumeric;
            Emit(mask::kPercent, count);
            return true;
        case '-':
        case 's':
            signed_ = true;
            return FloatingSymbol(signSeen_, mask::kSign, count);
        case '.': return DecimalPoint(mask::kDecimalPoint, count);
        case 'v':
        case 't': return DecimalPoint(mask::kImpliedDecimal, count);
        case 'x':
            classes_ |= kAlphanumericPicture;
            Emit(mask::kAlphanumeric, count);
            return true;
        default: break;
        }
        if (IsCurrency(c)) return FloatingSymbol(currencySeen_, c, count);
        if (IsInsertion(c)) {
            classes_ |= kEditedNumeric;
            Emit(c == 'b' ? mask::kBlank : c, count);
            return true;
        }
        return false;
    }

    bool Digits(char maskLetter, long long count, unsigned pictureClass) {
        classes_ |= pictureClass;
        (decimalSeen_ ? decimals_ : integerDigits_) += count;
        Emit(maskLetter, count);
        return true;
    }

    // A sign or currency sign floats when repeated: its first occurrence is
    // the sign, each further one a digit position.
    bool FloatingSymbol(bool& seen, char maskLetter, long long count) {
        classes_ |= kEditedNumeric;
        long long digits = count;
        if (!seen) {
            seen = true;
            --digits;
        }
        (decimalSeen_ ? decimals_ : integerDigits_) += digits;
        Emit(maskLetter, count);
        return true;
    }

    // At most one of ".", "v" and "t".
    bool DecimalPoint(char maskLetter, long long count) {
        if (decimalSeen_ || count > 1) return false;
        decimalSeen_ = true;
        classes_ |= kPlainNumeric;
        Emit(maskLetter, 1);
        return true;
    }

    void Emit(char maskLetter, long long count) {
        positions_ += count;
        const std::size_t room = kMaxEditMaskLength - std::min(mask_.size(), kMaxEditMaskLength);
        mask_.append(static_cast<std::size_t>(std::min<long long>(count, static_cast<long long>(room))), maskLetter);
    }

    // A month number with hours or seconds, but without day and year, is minutes.
    void ResolveMonthOrMinutes() {
        if (!month_ || monthName_) return;
        if ((hour_ || second_) && !day_ && !year_) {
            classes_ |= kTimePicture;
            for (std::size_t i = monthNumberMask_; i < monthNumberMask_ + 2 && i < mask_.size(); ++i) {
                mask_[i] = mask::kMinute;
            }
        } else {
            classes_ |= kDatePicture;
        }
    }

    void Classify(CompiledPicture& result) {
        ResolveMonthOrMinutes();
        const unsigned numeric = kPlainNumeric | kEditedNumeric;
        if (classes_ != 0 && (classes_ & ~numeric) == 0) {
            if (integerDigits_ + decimals_ > kMaxNumericDigits) return;
            result.typeWord = MakeNumericSize(kDisplayStorage, static_cast<int>(integerDigits_),
                                              static_cast<int>(decimals_), signed_);
            Accept(result, (classes_ & kEditedNumeric) ? PictureStatus::Edited : PictureStatus::Plain);
        } else if (classes_ == kDatePicture) {
            result.typeWord = kDateTypeWord;
            Accept(result, PictureStatus::Edited);
        } else if (classes_ == kTimePicture) {
            result.typeWord = kTimeTypeWord;
            result.twelveHourClock = amPm_ && hour_;
            Accept(result, PictureStatus::Edited);
        } else if (classes_ == kAlphanumericPicture && positions_ <= kMaxAlphanumericLength) {
            result.typeWord = static_cast<SizeWord>(positions_);
            Accept(result, PictureStatus::Plain);
        }
    }

    void Accept(CompiledPicture& result, PictureStatus status) {
        result.status = status;
        result.pictureClass = classes_;
        if (status == PictureStatus::Edited) result.editMask = mask_;
    }

    std::string text_;
    bool dateOrTime_;
    std::size_t at_ = 0;
    long long positions_ = 0;
    std::string mask_;
    unsigned classes_ = 0;
    long long integerDigits_ = 0;
    long long decimals_ = 0;
    bool decimalSeen_ = false;
    bool signed_ = false;
    bool parenthesesOpen_ = false;
    bool parenthesesClosed_ = false;
    bool signSeen_ = false;
    bool currencySeen_ = false;
    bool day_ = false, month_ = false, monthName_ = false, year_ = false;
    bool hour_ = false, second_ = false, amPm_ = false;
    bool credit_ = false;
    std::size_t monthNumberMask_ = 0;
};

}  // namespace

CompiledPicture CompilePicture(std::string_view picture) { return PictureReader(LowerCasedPicture(picture)).Compile(); }

int PictureWidth(std::string_view picture) { return CompilePicture(picture).displayLength; }

}  // namespace pictures
