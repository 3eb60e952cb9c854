#include "tessellar/program/operand_text.h"

#include <algorithm>
#include <vector>

#include "platform/message_format.h"
#include "tessellar/pictures/size_word.h"
#include "tessellar/pictures/value_format.h"
#include "tessellar/model/text_capacity.h"
#include "tessellar/program/field_width.h"
#include "tessellar/program/image/record_fields.h"
#include "tessellar/program/image/record_layout.h"
#include "tessellar/program/image/text_table.h"
#include "tessellar/program/program_texts.h"

namespace program {

namespace {

constexpr std::uint16_t kSubscriptStorage = pictures::kBinaryStorage;
constexpr std::uint16_t kMostSubscriptDigits = 4 << pictures::kIntegerDigitsShift;

bool IsCompiledExpression(const ProgramImage& image, std::uint32_t operand) {
    return Int24Field(image, operand, operand_field::kExpression) != 0;
}

OperandValue ExpressionValue() {
    return {.text = kExpressionText,
            .length = static_cast<int>(std::char_traits<char>::length(kExpressionText)),
            .source = model::TextSource::Expression,
            .data = true};
}

// Only a literal index can be shown: a binary literal of at most 4 digits.
bool ShowableSubscript(const ProgramImage& image, std::uint32_t subscript, int& index) {
    if (subscript == 0 || IsCompiledExpression(image, subscript)) return false;
    if (ByteField(image, subscript, operand_field::kKind) != kLiteralOperand) return false;
    const std::uint16_t size = U16Field(image, subscript, operand_field::kLength);
    if (!(size & kSubscriptStorage) || (size & pictures::kIntegerDigitsMask) > kMostSubscriptDigits) return false;
    index = U16Field(image, Int24Field(image, subscript, operand_field::kLiteral), 0);
    return true;
}

// A variable's text length: its size word for a text. A number's size word
// is no length, so a number takes the columns its digits need.
int VariableLength(const ProgramImage& image, std::uint32_t variable) {
    const std::uint16_t size = U16Field(image, variable, variable_field::kSizeWord);
    if (!pictures::IsNumeric(size)) return size;
    return FieldWidth(size, static_cast<char>(ByteField(image, variable, variable_field::kType)));
}

OperandValue TextNumberValue(const ProgramImage& image, std::uint32_t operand, platform::MessageSink& sink) {
    const int length = std::min<int>(U16Field(image, operand, operand_field::kLength), kLongestText);
    std::string text;
    ReadText(image, U16Field(image, operand, operand_field::kTextNumber), kTextCapacity, text, sink);
    if (text.size() > static_cast<std::size_t>(length)) text.resize(static_cast<std::size_t>(length));
    return {.text = std::move(text), .length = length, .source = model::TextSource::TextNumber, .data = false};
}

// The literal's bytes, as many as asked for and the image holds.
std::vector<std::uint8_t> LiteralBytes(const ProgramImage& image, std::uint32_t at, std::size_t count) {
    if (at == 0 || at >= image.Size()) return {};
    count = std::min(count, image.Size() - at);
    const auto first = image.Bytes().begin() + at;
    return {first, first + static_cast<std::ptrdiff_t>(count)};
}

OperandValue LiteralValue(const ProgramImage& image, std::uint32_t operand) {
    const std::uint16_t size = U16Field(image, operand, operand_field::kLength);
    const std::uint32_t bytes = Int24Field(image, operand, operand_field::kLiteral);
    OperandValue value;
    if (pictures::IsNumeric(size)) {
        value.text = pictures::FormatNumericLiteral(LiteralBytes(image, bytes, pictures::StorageSize(size)), size);
    } else {
        const std::vector<std::uint8_t> text = LiteralBytes(image, bytes, size);
        value.text.assign(text.begin(), text.end());
    }
    value.length = static_cast<int>(value.text.size());
    return value;
}

}  // namespace

std::string VariableName(const ProgramImage& image, std::uint32_t variable, std::uint32_t subscript) {
    std::string name = StringField(image, variable, variable_field::kName, model::kNameLength + 1);
    if (subscript == 0) return name;
    int index = 0;
    if (!ShowableSubscript(image, subscript, index)) return {};
    return platform::CutText(platform::FormatText(texts::kSubscriptedName, name.c_str(), index), model::kNameLength);
}

OperandValue OperandText(const ProgramImage& image, std::uint32_t operand, platform::MessageSink& sink) {
    if (operand == 0) return {};
    const std::uint8_t kind = ByteField(image, operand, operand_field::kKind);
    if (IsCompiledExpression(image, operand) || (kind != kVariableOperand && kind != kTextNumberOperand)) {
        return ExpressionValue();
    }
    if (kind == kTextNumberOperand) return TextNumberValue(image, operand, sink);
    const std::uint32_t variable = Int24Field(image, operand, operand_field::kVariable);
    return {.text = VariableName(image, variable, Int24Field(image, operand, operand_field::kSubscript)),
            .length = VariableLength(image, variable),
            .source = model::TextSource::Variable,
            .data = true};
}

OperandValue TitleText(const ProgramImage& image, std::uint32_t operand, platform::MessageSink& sink) {
    if (operand != 0 && !IsCompiledExpression(image, operand) &&
        ByteField(image, operand, operand_field::kKind) == kLiteralOperand) {
        return LiteralValue(image, operand);
    }
    return OperandText(image, operand, sink);
}

}  // namespace program
