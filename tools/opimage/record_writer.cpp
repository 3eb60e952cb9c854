#include "tools/opimage/image_writer.h"

namespace opimage {

namespace {

constexpr std::size_t kStatementSize = 18;
constexpr std::size_t kAcceptSize = 88;
constexpr std::size_t kDisplayShortSize = 18;
constexpr std::size_t kDisplayLongSize = 38;
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

constexpr std::uint8_t kAcknowledgeOp = 34;
constexpr std::uint8_t kMultiBranchOp = 49;

constexpr std::uint8_t kVariableKind = 10;
constexpr std::uint8_t kLiteralKind = 11;
constexpr std::uint8_t kTextNumberKind = 87;

}  // namespace

std::uint32_t ImageWriter::WriteList(const StatementList& list, std::vector<StatementLayout>* layout) {
  std::uint32_t first = 0;
  std::uint32_t previous = 0;
  for (const Statement& statement : list) {
    const std::uint32_t at = buffer_.Reserve(kStatementSize);
    StatementLayout written = WriteStatement(statement, at);
    if (layout != nullptr) layout->push_back(std::move(written));
    if (previous == 0) first = at; else buffer_.PutInt24(previous, at);
    previous = at;
  }
  return first;
}

// A BranchElement chain, one element per list; returns the first element.
std::uint32_t ImageWriter::WriteBranchChain(const std::vector<StatementList>& lists,
                                            std::uint32_t listField) {
  std::uint32_t first = 0;
  std::uint32_t previous = 0;
  const std::size_t size = listField == 3 ? kRunElementSize : kBranchElementSize;
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
  buffer_.PutByte(at + 3, statement.op);
  layout.record = WriteRecord(statement);
  if (statement.op == kAcknowledgeOp) {
    layout.record = WriteOperand(statement.prompt);
    buffer_.PutInt24(at + 9, WriteMessageParts(statement.messageParts));
  } else if (!statement.messageParts.empty()) {
    layout.record = WriteMessageParts(statement.messageParts);
  }
  if (statement.op == kMultiBranchOp) {
    const std::uint32_t branch = buffer_.Reserve(kBranchRecordSize);
    buffer_.PutInt24(branch + 9, WriteList(statement.first, &layout.first));
    buffer_.PutInt24(branch + 12, WriteBranchChain(statement.alternatives, 6));
    buffer_.PutInt24(branch + 15, WriteBranchChain(statement.further, 6));
    layout.record = branch;
  } else if (statement.op != kAcknowledgeOp) {  // whose parts hold offset 9
    buffer_.PutInt24(at + 9, WriteList(statement.first, &layout.first));
    if (!statement.alternatives.empty()) {
      buffer_.PutInt24(at + 12, WriteBranchChain(statement.alternatives, 6));
    } else {
      buffer_.PutInt24(at + 12, WriteList(statement.second, &layout.second));
    }
    buffer_.PutInt24(at + 15, WriteBranchChain(statement.further, 6));
  }
  buffer_.PutInt24(at + 4, layout.record);
  if (statement.length || statement.accept) {
    buffer_.PutU16(at + 7, statement.length.value_or(static_cast<std::uint16_t>(kAcceptSize)));
  }
  if (statement.boxFlag) buffer_.OrByte(at + 8, 1);
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
  const std::uint32_t at = buffer_.Reserve(kAcceptSize);
  const std::uint32_t variable = ResolveVariable(record.variable);
  buffer_.PutInt24(at + 0, record.row);
  buffer_.PutInt24(at + 3, record.column);
  buffer_.PutInt24(at + 9, variable);
  buffer_.PutInt24(at + 12, WriteOperand(record.subscript));
  buffer_.PutInt24(at + 15, WritePicture(record.picture, record.pictureExpression));
  if (record.suppressed) buffer_.PutByte(at + 18, 0x20);
  const auto variableSize = static_cast<std::uint16_t>(
      variable == 0 ? 0 : buffer_.ReadU16(variable + 11));
  buffer_.PutU16(at + 22, record.sizeWord.value_or(variableSize));
  buffer_.PutByte(at + 24, record.displayWidth);
  buffer_.PutInt24(at + 26, WriteOperand(record.help));
  buffer_.PutInt24(at + 29, WriteOperand(record.title));
  buffer_.PutInt24(at + 35, WriteList(record.runList35, nullptr));
  buffer_.PutInt24(at + 38, WriteValueList(record.allowed));
  buffer_.PutInt24(at + 44, WriteBranchChain(record.runChain44, 3));
  buffer_.PutInt24(at + 53, WriteValueList(record.disallowed));
  buffer_.PutInt24(at + 63, WriteList(record.runList63, nullptr));
  buffer_.PutU16(at + 78, record.tag);
  return at;
}

std::uint32_t ImageWriter::WriteDisplay(const DisplayRecord& record) {
  const std::uint32_t at = buffer_.Reserve(record.longForm ? kDisplayLongSize : kDisplayShortSize);
  buffer_.PutInt24(at + 0, record.row);
  buffer_.PutInt24(at + 3, record.column);
  buffer_.PutInt24(at + 6, WriteOperand(record.text));
  buffer_.PutInt24(at + 9, WritePicture(record.picture, record.pictureExpression));
  buffer_.PutU16(at + 12, static_cast<std::uint16_t>(record.attributes | (record.longForm ? 1 : 0)));
  buffer_.PutU16(at + 14, record.sizeWord);
  buffer_.PutByte(at + 16, static_cast<std::uint8_t>(record.type));
  buffer_.PutByte(at + 17, record.displayWidth);
  if (record.longForm) {
    buffer_.PutInt24(at + 18, record.scale);
    buffer_.PutU16(at + 27, record.tag);
    buffer_.PutInt24(at + 29, WriteOperand(record.columnTitle));
  }
  return at;
}

std::uint32_t ImageWriter::WritePrint(const PrintRecord& record) {
  const std::uint32_t at = buffer_.Reserve(kPrintSize);
  buffer_.PutInt24(at + 0, record.row);
  buffer_.PutInt24(at + 3, record.column);
  buffer_.PutInt24(at + 6, WriteOperand(record.value));
  return at;
}

std::uint32_t ImageWriter::WriteBox(const BoxRecord& record) {
  const std::uint32_t at = buffer_.Reserve(kBoxSize);
  buffer_.PutInt24(at + 0, record.top);
  buffer_.PutInt24(at + 3, record.left);
  buffer_.PutInt24(at + 6, record.bottom);
  buffer_.PutInt24(at + 9, record.right);
  buffer_.PutInt24(at + 15, WriteOperand(record.title));
  return at;
}

std::uint32_t ImageWriter::WriteOption(const OptionRecord& record) {
  const std::uint32_t at = buffer_.Reserve(kOptionSize);
  buffer_.PutInt24(at + 0, record.row);
  buffer_.PutInt24(at + 3, record.column);
  buffer_.PutInt24(at + 6, WriteOperand(record.text));
  buffer_.PutInt24(at + 9, WriteOperand(record.help));
  std::uint8_t flags = record.noText ? 0x01 : 0x00;
  if (record.pictureNumber) {
    flags |= 0x10;
    buffer_.PutInt24(at + 21, *record.pictureNumber);
  }
  buffer_.PutByte(at + 20, flags);
  return at;
}

std::uint32_t ImageWriter::WriteConfirm(const ConfirmRecord& record) {
  const std::uint32_t at = buffer_.Reserve(kConfirmSize);
  buffer_.PutInt24(at + 0, record.row);
  buffer_.PutInt24(at + 3, record.column);
  const bool noQuestion = !record.question.number && record.question.text.empty();
  buffer_.PutU16(at + 8, noQuestion ? 0 : TextNumberOf(record.question));
  buffer_.PutByte(at + 11, static_cast<std::uint8_t>(record.defaultAnswer));
  for (std::size_t i = 0; i < record.runLists.size() && i < 4; ++i) {
    buffer_.PutInt24(static_cast<std::uint32_t>(at + 15 + 3 * i), WriteList(record.runLists[i], nullptr));
  }
  return at;
}

std::uint32_t ImageWriter::WriteMessageParts(const std::vector<Operand>& parts) {
  std::uint32_t first = 0;
  std::uint32_t previous = 0;
  for (const Operand& part : parts) {
    const std::uint32_t at = buffer_.Reserve(kMessagePartSize);
    buffer_.PutInt24(at + 3, WriteOperand(part));
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
    buffer_.PutInt24(at + 3, WriteOperand(value.value));
    buffer_.PutInt24(at + 6, WriteOperand(value.rangeEnd));
    if (previous == 0) first = at; else buffer_.PutInt24(previous, at);
    previous = at;
  }
  return first;
}

std::uint32_t ImageWriter::WritePicture(const std::optional<std::string>& picture, bool expression) {
  if (expression) return 0x800000;
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
      buffer_.PutInt24(at, operand.expression);
      break;
    case OperandKind::Variable:
      kind = kVariableKind;
      buffer_.PutInt24(at + 9, ResolveVariable(operand.variable));
      if (operand.subscript) buffer_.PutInt24(at + 12, WriteOperand(*operand.subscript));
      break;
    case OperandKind::Literal:
      kind = kLiteralKind;
      buffer_.PutInt24(at + 4, buffer_.AppendString(operand.bytes));
      buffer_.PutU16(at + 7, operand.sizeWord.value_or(static_cast<std::uint16_t>(operand.bytes.size())));
      break;
    case OperandKind::TextNumber: {
      kind = kTextNumberKind;
      const std::uint16_t number = TextNumberOf(operand.text);
      buffer_.PutU16(at + 4, number);
      buffer_.PutU16(at + 7, operand.declaredLength.value_or(TextLength(number)));
      break;
    }
  }
  buffer_.PutByte(at + 3, operand.kindByte.value_or(kind));
  return at;
}

std::uint16_t ImageWriter::TextNumberOf(const TextRef& text) {
  if (text.number) return *text.number;
  return InternText(text.text);
}

}  // namespace opimage
