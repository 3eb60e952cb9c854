#include "tessellar/pictures/value_compare.h"

#include <charconv>
#include <cmath>

#include "tessellar/pictures/picture_texts.h"

namespace pictures {

namespace {

std::string_view WithoutTrailingBlanks(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int CompareNumbers(double a, double b) {
    if (std::fabs(a - b) < kNumberTolerance) return 0;
    return a < b ? -1 : 1;
}

int CompareTexts(std::string_view a, std::string_view b) {
    a = WithoutTrailingBlanks(a);
    b = WithoutTrailingBlanks(b);
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const auto left = static_cast<unsigned char>(a[i]);
        const auto right = static_cast<unsigned char>(b[i]);
        if (left != right) return left < right ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int CompareValues(std::string_view a, std::string_view b, SizeWord size) {
    if (IsNumeric(size)) return CompareNumbers(NumberFromText(a), NumberFromText(b));
    return CompareTexts(a, b);
}

double NumberFromText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    // Only digits and one decimal point: no exponent, no "inf" or "nan".
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i;
    }
    double value = 0.0;
    const std::string_view number = text.substr(start, i - start);
    if (number.find_first_of("0123456789") == std::string_view::npos) return 0.0;
    std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::fixed);
    return negative ? -value : value;
}

bool IsRangeText(std::string_view text) { return text.find(texts::kRangeSeparator) != std::string_view::npos; }

std::pair<std::string_view, std::string_view> SplitRangeText(std::string_view text) {
    const std::size_t separator = text.find(texts::kRangeSeparator);
    if (separator == std::string_view::npos) return {text, text};
    return {text.substr(0, separator), text.substr(separator + texts::kRangeSeparator.size())};
}

}  // namespace pictures
