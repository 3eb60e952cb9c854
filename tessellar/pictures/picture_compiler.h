#pragma once
// Checks a picture the user typed and classifies it: whether it is valid,
// what kind of value it shows, the size word of such a value, how many screen
// positions it takes, and an edit mask that says what each position shows.

#include <cstdint>
#include <string>
#include <string_view>

#include "tessellar/pictures/size_word.h"

namespace pictures {

enum class PictureStatus : int {
    Invalid = -1,
    Plain = 0,   // plain numeric or alphanumeric: no edit mask
    Edited = 1,  // edited numeric, date or time: the edit mask applies
};

// The classes a picture's symbols belong to; a valid picture has exactly
// one of them (plain numeric may come with edited numeric).
enum PictureClass : unsigned {
    kPlainNumeric = 0x01,
    kEditedNumeric = 0x02,
    kDatePicture = 0x04,
    kTimePicture = 0x08,
    kAlphanumericPicture = 0x10,
};

// Letters of the edit mask, one per position.
namespace mask {
inline constexpr char kDigit = '9';
inline constexpr char kZeroSuppressed = 'z';
inline constexpr char kCheckProtect = '*';
inline constexpr char kCurrency = '$';  // the pound signs keep their own byte
inline constexpr char kPercent = '%';
inline constexpr char kSign = '-';      // "-" and the sign "s"
inline constexpr char kCreditC = 'c';
inline constexpr char kCreditR = 'r';
inline constexpr char kOpenParenthesis = '(';
inline constexpr char kCloseParenthesis = ')';
inline constexpr char kDecimalPoint = '.';
inline constexpr char kImpliedDecimal = 'v';  // "v" and "t"
inline constexpr char kBlank = 'b';
inline constexpr char kDay = 'd';
inline constexpr char kMonth = 'm';
inline constexpr char kMonthName = 'M';
inline constexpr char kYear = 'y';
inline constexpr char kHour = 'h';
inline constexpr char kMinute = 'n';
inline constexpr char kSecond = 's';
inline constexpr char kAmPm = 'a';
inline constexpr char kAlphanumeric = 'x';
// Literal characters of date and time pictures and the insertion characters
// " ", ",", "/", ":" stand for themselves.
}  // namespace mask

inline constexpr std::size_t kMaxEditMaskLength = 50;
inline constexpr int kMaxNumericDigits = 18;
inline constexpr int kMaxAlphanumericLength = 1024;

struct CompiledPicture {
    PictureStatus status = PictureStatus::Invalid;
    unsigned pictureClass = 0;  // PictureClass bits
    // Size word of a value shown by the picture: display storage with the
    // counted digits for numbers, 0x2080 for dates, 0x2100 for times, the
    // length for texts; 0 when invalid.
    SizeWord typeWord = 0;
    // Positions the picture takes; for an invalid picture, the positions
    // counted before the error.
    int displayLength = 0;
    // One letter per position (see mask::), at most 50; empty for Plain.
    std::string editMask;
    bool twelveHourClock = false;  // "hh" with an AM/PM marker
};

CompiledPicture CompilePicture(std::string_view picture);

// The width an item takes after its picture is changed to this one: the
// display length, also when the picture is invalid.
int PictureWidth(std::string_view picture);

}  // namespace pictures
