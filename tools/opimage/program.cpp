#include "tools/opimage/program.h"

#include <utility>

#include "tools/opimage/number_literal.h"

namespace opimage {

Operand Text(std::string text) {
    Operand operand{.kind = OperandKind::TextNumber};
    operand.text.text = std::move(text);
    return operand;
}

Operand Text(std::string text, std::uint16_t declaredLength) {
    Operand operand = Text(std::move(text));
    operand.declaredLength = declaredLength;
    return operand;
}

Operand TextNumber(std::uint16_t number, std::optional<std::uint16_t> declaredLength) {
    Operand operand{.kind = OperandKind::TextNumber};
    operand.text.number = number;
    operand.declaredLength = declaredLength;
    return operand;
}

Operand Var(std::string name) {
    return Operand{.kind = OperandKind::Variable, .variable = std::move(name)};
}

Operand Var(std::string name, Operand subscript) {
    Operand operand = Var(std::move(name));
    operand.subscript = std::make_shared<const Operand>(std::move(subscript));
    return operand;
}

Operand Literal(std::string bytes) {
    return Operand{.kind = OperandKind::Literal, .bytes = std::move(bytes)};
}

Operand Literal(std::string bytes, std::uint16_t sizeWord) {
    Operand operand = Literal(std::move(bytes));
    operand.sizeWord = sizeWord;
    return operand;
}

Operand Number(double value, std::uint16_t sizeWord) {
    return Literal(EncodeNumber(value, sizeWord), sizeWord);
}

Operand Subscript(std::uint16_t value) {
    return Number(value, NumericSize(kBinary, 4, 0));
}

Operand Expr(std::uint32_t firstBytes) {
    return Operand{.kind = OperandKind::Expression, .expression = firstBytes};
}

namespace {
Statement WithOp(std::uint8_t op) { return Statement{.op = op}; }
}  // namespace

Statement Block(StatementList statements) {
    Statement statement = WithOp(16);
    statement.first = std::move(statements);
    return statement;
}

Statement TwoBranch(StatementList first, StatementList second) {
    Statement statement = WithOp(17);
    statement.first = std::move(first);
    statement.second = std::move(second);
    return statement;
}

Statement Accept(AcceptRecord record) {
    Statement statement = WithOp(25);
    statement.accept = std::move(record);
    return statement;
}

Statement Display(DisplayRecord record) {
    Statement statement = WithOp(26);
    statement.display = std::move(record);
    return statement;
}

Statement Print(PrintRecord record) {
    Statement statement = WithOp(27);
    statement.print = std::move(record);
    return statement;
}

Statement Box(BoxRecord record, bool flag) {
    Statement statement = WithOp(31);
    statement.box = std::move(record);
    statement.boxFlag = flag;
    return statement;
}

Statement Message(std::vector<Operand> parts) {
    Statement statement = WithOp(32);
    statement.messageParts = std::move(parts);
    return statement;
}

Statement Abort(std::vector<Operand> parts) {
    Statement statement = WithOp(33);
    statement.messageParts = std::move(parts);
    return statement;
}

Statement Acknowledge(std::vector<Operand> parts, Operand prompt) {
    Statement statement = WithOp(34);
    statement.messageParts = std::move(parts);
    statement.prompt = std::move(prompt);
    return statement;
}

Statement Option(OptionRecord record) {
    Statement statement = WithOp(35);
    statement.option = std::move(record);
    return statement;
}

Statement MultiBranch(StatementList first, std::vector<StatementList> alternatives,
                      std::vector<StatementList> further) {
    Statement statement = WithOp(49);
    statement.first = std::move(first);
    statement.alternatives = std::move(alternatives);
    statement.further = std::move(further);
    return statement;
}

Statement Confirm(ConfirmRecord record) {
    Statement statement = WithOp(60);
    statement.confirm = std::move(record);
    return statement;
}

Statement Loop(StatementList body, std::vector<StatementList> alternatives,
               std::vector<StatementList> further) {
    Statement statement = WithOp(75);
    statement.first = std::move(body);
    statement.alternatives = std::move(alternatives);
    statement.further = std::move(further);
    return statement;
}

Statement Other(std::uint8_t op, StatementList first, StatementList second) {
    Statement statement = WithOp(op);
    statement.first = std::move(first);
    statement.second = std::move(second);
    return statement;
}

}  // namespace opimage
