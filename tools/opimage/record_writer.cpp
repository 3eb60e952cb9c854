#include "tools/opimage/image_writer.h"

#include "tessellar/program/image/program_image.h"
#include "tessellar/program/image/record_layout.h"

namespace opimage {

// Fields are placed where the readers look for them.
using namespace program;

namespace {

constexpr std::size_t kStatementSize = 18;
constexpr std::size_t kPrintSize = 9;
constexpr std::size_t kBoxSize = 18;
constexpr std::size_t kOptionSize = 24;
constexpr std::size_t kConfirmSize = 27;
constexpr std::size_t kBranchRecordSize = 18;
constexpr std::size_t kBranchElementSize = 9;
constexpr std::size_t kRunElementSize = 6;
constexpr std::size_t kMessagePartSize = 6;
constexpr std::size_t kValueElementSize = 9;
constexpr std::size_t kOperandSize = 15;

}  // namespace

std::uint32_t ImageWriter::WriteList(const StatementList& list, std::vector<StatementLayout>* layout) {
    std::uint32_t first = 0;
    std::uint32_t previous = 0;
    for (const Statement& statement : list) {
        const std::uint32_t at = buffer_.Reserve(kStatementSize);
        StatementLayout written = WriteStatement(statement, at);
        if (layout != nullptr) layout->push_back(std::move(written));
        if (previous == 0) first = at; else buffer_.PutInt24(previous + statement_field::kNext, at);
        previous = at;
    }
    return first;
}

// A BranchElement chain, one element per list; returns the first element.
std::uint32_t ImageWriter::WriteBranchChain(const std::vector<StatementList>& lists,
                                            std::uint32_t listField) {
    std::uint32_t first = 0;
    std::uint32_t previous = 0;
    const std::size_t size = listField == accept_field::kRunElementList ? kRunElementSize : kBranchElementSize;
    for (const StatementList& list : lists) {
        const std::uint32_t at = buffer_.Reserve(size);
        buffer_.PutInt24(at + listField, WriteList(list, nullptr));
        if (previous == 0) first = at; else buffer_.PutInt24(previous, at);
        previous = at;
    }
    return first;
}

StatementLayout ImageWriter::WriteStatement(const Statement& statement, std::uint32_t at) {
    StatementLayout layout{.offset = at};
    buffer_.PutByte(at + statement_field::kOp, statement.op);
    layout.record = WriteRecord(statement);
    if (statement.op == op::kAcknowledge) {
        layout.record = WriteOperand(statement.prompt);
        buffer_.PutInt24(at + statement_field::kFirstList, WriteMessageParts(statement.messageParts));
    } else if (!statement.messageParts.empty()) {
        layout.record = WriteMessageParts(statement.messageParts);
    }
    if (statement.op == op::kMultiBranch) {
        const std::uint32_t branch = buffer_.Reserve(kBranchRecordSize);
        buffer_.PutInt24(branch + branch_field::kFirstList, WriteList(statement.first, &layout.first));
        buffer_.PutInt24(branch + branch_field::kAlternatives,
                         WriteBranchChain(statement.alternatives, branch_field::kElementList));
        buffer_.PutInt24(branch + branch_field::kFurther,
                         WriteBranchChain(statement.further, branch_field::kElementList));
        layout.record = branch;
    } else if (statement.op != op::kAcknowledge) {  // whose parts hold the first list's field
        buffer_.PutInt24(at + statement_field::kFirstList, WriteList(statement.first, &layout.first));
        if (!statement.alternatives.empty()) {
            buffer_.PutInt24(at + statement_field::kSecondList,
                             WriteBranchChain(statement.alternatives, branch_field::kElementList));
        } else {
            buffer_.PutInt24(at + statement_field::kSecondList, WriteList(statement.second, &layout.second));
        }
        buffer_.PutInt24(at + statement_field::kFurtherList,
                         WriteBranchChain(statement.further, branch_field::kElementList));
    }
    buffer_.PutInt24(at + statement_field::kData, layout.record);
    if (statement.length || statement.accept) {
        buffer_.PutU16(at + statement_field::kLength,
                       statement.length.value_or(static_cast<std::uint16_t>(accept_field::kRecordLength)));
    }
    if (statement.boxFlag) buffer_.OrByte(at + statement_field::kFlags, 1);
    return layout;
}

std::uint32_t ImageWriter::WriteRecord(const Statement& statement) {
    if (statement.accept) return WriteAccept(*statement.accept);
    if (statement.display) return WriteDisplay(*statement.display);
    if (statement.print) return WritePrint(*statement.print);
    if (statement.box) return WriteBox(*statement.box);
    if (statement.option) return WriteOption(*statement.option);
    if (statement.confirm) return WriteConfirm(*statement.confirm);
    return 0;
}

std::uint32_t ImageWriter::WriteAccept(const AcceptRecord& record) {
    const std::uint32_t at = buffer_.Reserve(accept_field::kRecordLength);
    const std::uint32_t variable = ResolveVariable(record.variable);
    buffer_.PutInt24(at + accept_field::kRow, record.row);
    buffer_.PutInt24(at + accept_field::kColumn, record.column);
    buffer_.PutInt24(at + accept_field::kVariable, variable);
    buffer_.PutInt24(at + accept_field::kSubscript, WriteOperand(record.subscript));
    buffer_.PutInt24(at + accept_field::kPicture, WritePicture(record.picture, record.pictureExpression));
    if (record.suppressed) buffer_.PutByte(at + accept_field::kFlags, accept_field::kSuppressedBit);
    const auto variableSize = static_cast<std::uint16_t>(
        variable == 0 ? 0 : buffer_.ReadU16(variable + variable_field::kSizeWord));
    buffer_.PutU16(at + accept_field::kSizeWord, record.sizeWord.value_or(variableSize));
    buffer_.PutByte(at + accept_field::kDisplayWidth, record.displayWidth);
    buffer_.PutInt24(at + accept_field::kHelp, WriteOperand(record.help));
    buffer_.PutInt24(at + accept_field::kTitle, WriteOperand(record.title));
    buffer_.PutInt24(at + accept_field::kRunList, WriteList(record.runList, nullptr));
    buffer_.PutInt24(at + accept_field::kAllowed, WriteValueList(record.allowed));
    buffer_.PutInt24(at + accept_field::kRunChain, WriteBranchChain(record.runChain, accept_field::kRunElementList));
    buffer_.PutInt24(at + accept_field::kDisallowed, WriteValueList(record.disallowed));
    buffer_.PutInt24(at + accept_field::kSecondRunList, WriteList(record.secondRunList, nullptr));
    buffer_.PutU16(at + accept_field::kTag, record.tag);
    return at;
}

std::uint32_t ImageWriter::WriteDisplay(const DisplayRecord& record) {
    const std::uint32_t at =
        buffer_.Reserve(record.longForm ? display_field::kLongLength : display_field::kShortLength);
    buffer_.PutInt24(at + display_field::kRow, record.row);
    buffer_.PutInt24(at + display_field::kColumn, record.column);
    buffer_.PutInt24(at + display_field::kText, WriteOperand(record.text));
    buffer_.PutInt24(at + display_field::kPicture, WritePicture(record.picture, record.pictureExpression));
    // The 16-bit attributes share their low byte with the form byte.
    buffer_.PutU16(at + display_field::kAttributes,
                   static_cast<std::uint16_t>(record.attributes | (record.longForm ? 1 : 0)));
    buffer_.PutU16(at + display_field::kSizeWord, record.sizeWord);
    buffer_.PutByte(at + display_field::kType, static_cast<std::uint8_t>(record.type));
    buffer_.PutByte(at + display_field::kDisplayWidth, record.displayWidth);
    if (record.longForm) {
        buffer_.PutInt24(at + display_field::kScale, record.scale);
        buffer_.PutU16(at + display_field::kTag, record.tag);
        buffer_.PutInt24(at + display_field::kColumnTitle, WriteOperand(record.columnTitle));
    }
    return at;
}

std::uint32_t ImageWriter::WritePrint(const PrintRecord& record) {
    const std::uint32_t at = buffer_.Reserve(kPrintSize);
    buffer_.PutInt24(at + print_field::kRow, record.row);
    buffer_.PutInt24(at + print_field::kColumn, record.column);
    buffer_.PutInt24(at + print_field::kValue, WriteOperand(record.value));
    return at;
}

std::uint32_t ImageWriter::WriteBox(const BoxRecord& record) {
    const std::uint32_t at = buffer_.Reserve(kBoxSize);
    buffer_.PutInt24(at + box_field::kTop, record.top);
    buffer_.PutInt24(at + box_field::kLeft, record.left);
    buffer_.PutInt24(at + box_field::kBottom, record.bottom);
    buffer_.PutInt24(at + box_field::kRight, record.right);
    buffer_.PutInt24(at + box_field::kTitle, WriteOperand(record.title));
    return at;
}

std::uint32_t ImageWriter::WriteOption(const OptionRecord& record) {
    const std::uint32_t at = buffer_.Reserve(kOptionSize);
    buffer_.PutInt24(at + option_field::kRow, record.row);
    buffer_.PutInt24(at + option_field::kColumn, record.column);
    buffer_.PutInt24(at + option_field::kText, WriteOperand(record.text));
    buffer_.PutInt24(at + option_field::kHelp, WriteOperand(record.help));
    std::uint8_t flags = record.noText ? option_field::kNoTextBit : 0x00;
    if (record.pictureNumber) {
        flags |= option_field::kPictureBit;
        buffer_.PutInt24(at + option_field::kPictureNumber, *record.pictureNumber);
    }
    buffer_.PutByte(at + option_field::kFlags, flags);
    return at;
}

std::uint32_t ImageWriter::WriteConfirm(const ConfirmRecord& record) {
    const std::uint32_t at = buffer_.Reserve(kConfirmSize);
    buffer_.PutInt24(at + confirm_field::kRow, record.row);
    buffer_.PutInt24(at + confirm_field::kColumn, record.column);
    const bool noQuestion = !record.question.number && record.question.text.empty();
    buffer_.PutU16(at + confirm_field::kQuestion, noQuestion ? 0 : TextNumberOf(record.question));
    buffer_.PutByte(at + confirm_field::kDefaultAnswer, static_cast<std::uint8_t>(record.defaultAnswer));
    for (std::size_t i = 0; i < record.runLists.size() && i < std::size(confirm_field::kRunLists); ++i) {
        buffer_.PutInt24(at + confirm_field::kRunLists[i], WriteList(record.runLists[i], nullptr));
    }
    return at;
}

std::uint32_t ImageWriter::WriteMessageParts(const std::vector<Operand>& parts) {
    std::uint32_t first = 0;
    std::uint32_t previous = 0;
    for (const Operand& part : parts) {
        const std::uint32_t at = buffer_.Reserve(kMessagePartSize);
        buffer_.PutInt24(at + message_part_field::kText, WriteOperand(part));
        if (previous == 0) first = at; else buffer_.PutInt24(previous, at);
        previous = at;
    }
    return first;
}

std::uint32_t ImageWriter::WriteValueList(const std::vector<Value>& values) {
    std::uint32_t first = 0;
    std::uint32_t previous = 0;
    for (const Value& value : values) {
        const std::uint32_t at = buffer_.Reserve(kValueElementSize);
        buffer_.PutInt24(at + value_field::kValue, WriteOperand(value.value));
        buffer_.PutInt24(at + value_field::kRangeEnd, WriteOperand(value.rangeEnd));
        if (previous == 0) first = at; else buffer_.PutInt24(previous, at);
        previous = at;
    }
    return first;
}

std::uint32_t ImageWriter::WritePicture(const std::optional<std::string>& picture, bool expression) {
    if (expression) return kExpressionBit;
    return picture ? buffer_.AppendString(*picture) : 0;
}

std::uint32_t ImageWriter::WriteOperand(const Operand& operand) {
    if (operand.kind == OperandKind::None) return 0;
    const std::uint32_t at = buffer_.Reserve(kOperandSize);
    std::uint8_t kind = 0;
    switch (operand.kind) {
        case OperandKind::None:
            break;
        case OperandKind::Expression:
            buffer_.PutInt24(at + operand_field::kExpression, operand.expression);
            break;
        case OperandKind::Variable:
            kind = kVariableOperand;
            buffer_.PutInt24(at + operand_field::kVariable, ResolveVariable(operand.variable));
            if (operand.subscript) buffer_.PutInt24(at + operand_field::kSubscript, WriteOperand(*operand.subscript));
            break;
        case OperandKind::Literal:
            kind = kLiteralOperand;
            buffer_.PutInt24(at + operand_field::kLiteral, buffer_.AppendString(operand.bytes));
            buffer_.PutU16(at + operand_field::kLength,
                           operand.sizeWord.value_or(static_cast<std::uint16_t>(operand.bytes.size())));
            break;
        case OperandKind::TextNumber: {
            kind = kTextNumberOperand;
            const std::uint16_t number = TextNumberOf(operand.text);
            buffer_.PutU16(at + operand_field::kTextNumber, number);
            buffer_.PutU16(at + operand_field::kLength, operand.declaredLength.value_or(TextLength(number)));
            break;
        }
    }
    buffer_.PutByte(at + operand_field::kKind, operand.kindByte.value_or(kind));
    return at;
}

std::uint16_t ImageWriter::TextNumberOf(const TextRef& text) {
    if (text.number) return *text.number;
    return InternText(text.text);
}

}  // namespace opimage
