#include "tools/opimage/description_cursor.h"

#include <charconv>
#include <cstdlib>

namespace opimage {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Decimal, or hexadecimal after "0x"; an optional leading "-".
bool ParseInteger(std::string_view text, std::int64_t& value) {
    const bool negative = StartsWith(text, "-");
    if (negative) text.remove_prefix(1);
    int base = 10;
    if (StartsWith(text, "0x") || StartsWith(text, "0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    if (text.empty()) return false;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (status != std::errc() || end != text.data() + text.size()) return false;
    if (negative) value = -value;
    return true;
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

}  // namespace

bool Cursor::PeekWord(std::string_view word) const {
    const Token* token = Peek();
    return token != nullptr && token->kind == Token::Kind::Word && token->text == word;
}

bool Cursor::PeekPunct(std::string_view punct) const {
    const Token* token = Peek();
    return token != nullptr && token->kind == Token::Kind::Punct && token->text == punct;
}

bool Cursor::TakeWord(std::string_view word) {
    if (!PeekWord(word)) return false;
    ++position_;
    return true;
}

bool Cursor::TakePunct(std::string_view punct) {
    if (!PeekPunct(punct)) return false;
    ++position_;
    return true;
}

void Cursor::ExpectPunct(std::string_view punct) {
    if (!TakePunct(punct)) Fail("expected " + Quoted(punct));
}

bool Cursor::AtOperand() const {
    const Token* token = Peek();
    if (token == nullptr) return false;
    if (token->kind == Token::Kind::String) return true;
    if (token->kind != Token::Kind::Word) return false;
    const std::string_view text = token->text;
    return text == "expr" || text == "none" || StartsWith(text, "expr:") ||
           StartsWith(text, "var:") || StartsWith(text, "lit:") || StartsWith(text, "num:") ||
           StartsWith(text, "textno:");
}

void Cursor::Fail(const std::string& message) const { throw DescriptionFailure{line_, message}; }

const Token& Cursor::Next(std::string_view what) {
    if (AtEnd()) Fail("missing " + std::string(what));
    return tokens_[position_++];
}

std::string Cursor::Word(std::string_view what) {
    const Token& token = Next(what);
    if (token.kind != Token::Kind::Word) Fail("expected " + std::string(what) + ", found " + Quoted(token.text));
    return token.text;
}

std::string Cursor::String(std::string_view what) {
    const Token& token = Next(what);
    if (token.kind != Token::Kind::String) {
        Fail("expected " + std::string(what) + " in double quotes, found " + Quoted(token.text));
    }
    return token.text;
}

char Cursor::Letter(std::string_view what) {
    const Token& token = Next(what);
    if (token.kind == Token::Kind::Punct || token.text.size() != 1) {
        Fail("expected one letter for " + std::string(what) + ", found " + Quoted(token.text));
    }
    return token.text[0];
}

std::int64_t Cursor::Integer(std::string_view what) {
    const Token& token = Next(what);
    std::int64_t value = 0;
    if (token.kind != Token::Kind::Word || !ParseInteger(token.text, value)) {
        Fail("expected a number for " + std::string(what) + ", found " + Quoted(token.text));
    }
    return value;
}

std::uint32_t Cursor::Unsigned(std::string_view what, std::uint32_t maximum) {
    const std::int64_t value = Integer(what);
    if (value < 0 || value > maximum) {
        Fail(std::string(what) + " " + std::to_string(value) + " is out of range 0.." + std::to_string(maximum));
    }
    return static_cast<std::uint32_t>(value);
}

std::uint32_t Cursor::Coordinate(std::string_view what) {
    if (TakeWord("expr")) return kComputed;
    return Int24(what);
}

std::uint16_t Cursor::SizeWord(std::string_view what) {
    const Token& token = Next(what);
    std::string_view text = token.text;
    std::int64_t raw = 0;
    if (token.kind == Token::Kind::Word && ParseInteger(text, raw)) {
        if (raw < 0 || raw > 0xFFFF) Fail(std::string(what) + " " + std::string(text) + " is out of range");
        return static_cast<std::uint16_t>(raw);
    }
    const bool isSigned = StartsWith(text, "S");
    if (isSigned) text.remove_prefix(1);
    std::uint16_t storage = 0;
    if (!text.empty()) {
        switch (text[0]) {
            case 'P': storage = kPacked; break;
            case 'D': storage = kDisplayDigits; break;
            case 'B': storage = kBinary; break;
            case 'F': storage = kFloat; break;
            default: break;
        }
    }
    int integerDigits = -1;
    int decimalPlaces = 0;
    if (storage != 0) {
        text.remove_prefix(1);
        const std::size_t dot = text.find('.');
        std::int64_t value = 0;
        if (ParseInteger(text.substr(0, dot), value) && value >= 0 && value < 32) {
            integerDigits = static_cast<int>(value);
        }
        if (dot != std::string_view::npos) {
            if (ParseInteger(text.substr(dot + 1), value) && value >= 0 && value < 32) {
                decimalPlaces = static_cast<int>(value);
            } else {
                integerDigits = -1;
            }
        }
    }
    if (token.kind != Token::Kind::Word || integerDigits < 0) {
        Fail("expected a size word (a number, or e.g. D7.2, SB4) for " + std::string(what) +
             ", found " + Quoted(token.text));
    }
    return NumericSize(storage, integerDigits, decimalPlaces, isSigned);
}

void Cursor::UseVariable(const std::string& name) {
    if (variableUses_ != nullptr) variableUses_->push_back({name, line_});
}

Operand Cursor::Subscript() {
    const Token* token = Peek();
    std::int64_t value = 0;
    if (token != nullptr && token->kind == Token::Kind::Word && ParseInteger(token->text, value)) {
        ++position_;
        if (value < 0 || value > 0xFFFF) Fail("subscript " + token->text + " is out of range");
        return opimage::Subscript(static_cast<std::uint16_t>(value));
    }
    return ReadOperand("subscript");
}

std::string Cursor::VariableName(Operand& subscript) {
    std::string name = Word("variable name");
    if (StartsWith(name, "var:")) name.erase(0, 4);
    if (name.empty()) Fail("missing variable name");
    UseVariable(name);
    if (TakePunct("[")) {
        subscript = Subscript();
        ExpectPunct("]");
    }
    return name;
}

Operand Cursor::ReadOperand(std::string_view what) {
    if (!AtOperand()) {
        if (AtEnd()) Fail("missing " + std::string(what));
        Fail("expected an operand for " + std::string(what) + " (\"text\", var:, lit:, num:, textno:, expr or none), found " +
             Quoted(Peek()->text));
    }
    const Token& token = Next(what);
    if (token.kind == Token::Kind::String) {
        Operand operand = Text(token.text);
        if (TakePunct("/")) operand.declaredLength = U16("declared length");
        return operand;
    }
    const std::string_view text = token.text;
    if (text == "none") return Operand{};
    if (text == "expr") return Expr();
    if (StartsWith(text, "expr:")) {
        std::int64_t value = 0;
        if (!ParseInteger(text.substr(5), value) || value <= 0 || value > 0xFFFFFF) {
            Fail("expr: needs a nonzero number below 0x1000000");
        }
        return Expr(static_cast<std::uint32_t>(value));
    }
    if (StartsWith(text, "textno:")) {
        std::int64_t value = 0;
        if (!ParseInteger(text.substr(7), value) || value < 0 || value > 0xFFFF) {
            Fail("textno: needs a text number from 0 to 65535");
        }
        Operand operand = TextNumber(static_cast<std::uint16_t>(value));
        if (TakePunct("/")) operand.declaredLength = U16("declared length");
        return operand;
    }
    if (StartsWith(text, "var:")) {
        --position_;
        Operand subscript;
        const std::string name = VariableName(subscript);
        return subscript.kind == OperandKind::None ? Var(name) : Var(name, subscript);
    }
    if (text == "lit:") {
        Operand operand = Literal(String("literal"));
        if (TakePunct("/")) operand.sizeWord = SizeWord("literal size word");
        return operand;
    }
    if (StartsWith(text, "lit:")) Fail("lit: must be followed by a string in double quotes");
    // num:VALUE, by default binary with the digits written.
    const std::string number(text.substr(4));
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (number.empty() || end != number.c_str() + number.size()) Fail("num: needs a number, found " + Quoted(number));
    const std::size_t dot = number.find('.');
    const int decimals = dot == std::string::npos ? 0 : static_cast<int>(number.size() - dot - 1);
    const int sign = number[0] == '-' ? 1 : 0;
    const int integers = static_cast<int>((dot == std::string::npos ? number.size() : dot) - sign);
    std::uint16_t size = NumericSize(kBinary, integers < 4 ? 4 : integers, decimals, sign != 0);
    if (TakePunct("/")) size = SizeWord("number size word");
    return Number(value, size);
}

std::vector<Value> Cursor::Values() {
    std::vector<Value> values;
    do {
        Value value{.value = ReadOperand("value")};
        if (TakeWord("->")) value.rangeEnd = ReadOperand("end of range");
        values.push_back(std::move(value));
    } while (TakePunct(","));
    return values;
}

}  // namespace opimage
