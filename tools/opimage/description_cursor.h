#pragma once
// Reading the tokens of one description line as values: numbers, size words,
// coordinates and operands. A malformed value throws DescriptionFailure,
// which ParseDescription turns into an error with the line number.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/opimage/description_tree.h"
#include "tools/opimage/program.h"

namespace opimage {

struct DescriptionFailure {
    int line = 0;
    std::string message{};
};

// A variable or mode named in the description, checked once all are declared.
struct NameUse {
    std::string name{};
    int line = 0;
};

class Cursor {
public:
    Cursor(const std::vector<Token>& tokens, int line, std::vector<NameUse>* variableUses)
        : tokens_(tokens), line_(line), variableUses_(variableUses) {}

    int line() const { return line_; }
    void SetVariableUses(std::vector<NameUse>* uses) { variableUses_ = uses; }
    bool AtEnd() const { return position_ >= tokens_.size(); }
    bool PeekWord(std::string_view word) const;
    bool PeekPunct(std::string_view punct) const;
    bool TakeWord(std::string_view word);
    bool TakePunct(std::string_view punct);
    void ExpectPunct(std::string_view punct);
    // Whether the next token can start an operand.
    bool AtOperand() const;

    std::string Word(std::string_view what);
    std::string String(std::string_view what);
    char Letter(std::string_view what);
    std::int64_t Integer(std::string_view what);
    std::uint32_t Unsigned(std::string_view what, std::uint32_t maximum);
    std::uint8_t Byte(std::string_view what) { return static_cast<std::uint8_t>(Unsigned(what, 0xFF)); }
    std::uint16_t U16(std::string_view what) { return static_cast<std::uint16_t>(Unsigned(what, 0xFFFF)); }
    std::uint32_t Int24(std::string_view what) { return Unsigned(what, 0xFFFFFF); }
    // A number, or "expr" for a coordinate computed at run time.
    std::uint32_t Coordinate(std::string_view what);
    // A size word: a number, or [S](P|D|B|F)digits[.decimals].
    std::uint16_t SizeWord(std::string_view what);
    Operand ReadOperand(std::string_view what);
    // A variable name with an optional [subscript].
    std::string VariableName(Operand& subscript);
    std::vector<Value> Values();

    [[noreturn]] void Fail(const std::string& message) const;

private:
    const Token* Peek() const { return AtEnd() ? nullptr : &tokens_[position_]; }
    const Token& Next(std::string_view what);
    Operand Subscript();
    void UseVariable(const std::string& name);

    const std::vector<Token>& tokens_;
    std::size_t position_ = 0;
    int line_;
    std::vector<NameUse>* variableUses_;
};

}  // namespace opimage
